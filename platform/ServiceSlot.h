#pragma once

#include <utility>

namespace plovex {

// Where a replaceable service is installed: the program's own serves until a test installs
// another (not owned; it must outlive its use).
template <typename Service> class ServiceSlot {
public:
    Service& Get(Service& programs) const { return m_installed ? *m_installed : programs; }
    // Returns the service replaced, to be installed again afterwards.
    Service* Install(Service* service) { return std::exchange(m_installed, service); }

private:
    Service* m_installed = nullptr;
};

} // namespace plovex
