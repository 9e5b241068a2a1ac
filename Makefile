# Front door: every target installs what it needs first.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# Rebuilds of unchanged sources come from ccache where it is installed.
CCACHE = $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps build run test test-nogui bench fuzz sanitize screenshot install package format translations clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CCACHE) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/plovex

RUNTIME_DIR = $${XDG_RUNTIME_DIR:-/tmp/plovex-runtime-$$(id -u)}

test: build
	@mkdir -p $(RUNTIME_DIR) && chmod 700 $(RUNTIME_DIR)
	cd $(BUILD) && XDG_RUNTIME_DIR=$${XDG_RUNTIME_DIR:-/tmp/plovex-runtime-$$(id -u)} ctest --output-on-failure -j $(JOBS)

# The engine and the renderer alone, without Qt, running compiled expressions through the
# portable switch: proves on every CI run that neither grows a Qt include.
test-nogui: deps
	@cmake -S . -B build-nogui -DCMAKE_BUILD_TYPE=Release -DPLOVEX_BUILD_GUI=OFF -DPLOVEX_PORTABLE_DISPATCH=ON $(CCACHE) $(CMAKE_FLAGS) >/dev/null
	@cmake --build build-nogui -j $(JOBS)
	cd build-nogui && ctest --output-on-failure -j $(JOBS)

# BENCH_FLAGS=--brief times everything once, briefly: CI's check that the benchmark builds and runs.
BENCH_FLAGS ?=
bench:
	@scripts/install-deps bench
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DPLOVEX_BUILD_BENCH=ON -DBUILD_TESTING=OFF $(CCACHE) $(CMAKE_FLAGS) >/dev/null
	@cmake --build build-bench -j $(JOBS) --target plovex_bench
	@mkdir -p $(RUNTIME_DIR) && chmod 700 $(RUNTIME_DIR)
	XDG_RUNTIME_DIR=$${XDG_RUNTIME_DIR:-/tmp/plovex-runtime-$$(id -u)} ./build-bench/bench/plovex_bench $(BENCH_FLAGS)

FUZZ_RUNS ?= 10000000
# $(call fuzz-run,TARGET,MAX_LEN): new inputs go to build-fuzz, the committed seeds stay as they are.
fuzz-run = mkdir -p build-fuzz/corpus/$(1) build-fuzz/artifacts \
	&& ./build-fuzz/fuzz/fuzz_$(1) -runs=$(FUZZ_RUNS) -max_len=$(2) -print_final_stats=1 \
	-artifact_prefix=build-fuzz/artifacts/ build-fuzz/corpus/$(1) fuzz/corpus/$(1)
fuzz:
	@scripts/install-deps fuzz
	@CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLOVEX_BUILD_FUZZ=ON -DPLOVEX_BUILD_GUI=OFF -DBUILD_TESTING=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	$(call fuzz-run,parse_evaluate,256)
	$(call fuzz-run,document,512)
	[ ! -x build-fuzz/fuzz/fuzz_native ] || { $(call fuzz-run,native,1024); }

# GCC 12's leak checker takes a heap block that happens to lie 16 bytes past a page boundary for
# an old glibc's dynamic TLS header and reads a bogus range from before it, which crashes its
# tracer at exit; not following __tls_get_addr avoids that guess (the static TLS is still scanned).
sanitize: deps
	@cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DPLOVEX_SANITIZE=ON >/dev/null
	@cmake --build build-sanitize -j $(JOBS)
	@mkdir -p $(RUNTIME_DIR) && chmod 700 $(RUNTIME_DIR)
	cd build-sanitize && XDG_RUNTIME_DIR=$${XDG_RUNTIME_DIR:-/tmp/plovex-runtime-$$(id -u)} ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure --timeout 120 -j $(JOBS)

screenshot: build
	@scripts/install-deps screenshot
	@cmake --build $(BUILD) -j $(JOBS) --target plovex_screenshot
	scripts/screenshot $(BUILD)/tools/plovex_screenshot docs/screenshot.png

install: build
	cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX),)

# dist/plovex_VERSION-REVISION_ARCH.deb: a release build with Debian's hardening flags,
# packed by CPack from what `make install` installs, and checked by lintian.
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
package: deps
	@scripts/install-deps package
	@cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
		-DPLOVEX_BUILD_PACKAGE=ON $(CCACHE) $(CMAKE_FLAGS) \
		-DCMAKE_CXX_FLAGS="$$($(DEB_FLAGS) CPPFLAGS) $$($(DEB_FLAGS) CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)" >/dev/null
	@cmake --build build-package -j $(JOBS)
	@rm -f dist/plovex_*.deb
	cd build-package && cpack
	lintian --fail-on error,warning --display-info dist/plovex_*.deb

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# New and changed window texts into res/translations/*.ts, to be translated there.
translations: deps
	@scripts/update-translations

clean:
	rm -rf build build-bench build-fuzz build-nogui build-package build-sanitize dist
