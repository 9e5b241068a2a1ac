#pragma once

#include <QString>
#include <QStringList>
#include <string>

struct Outcome {
    std::string out;
    std::string err;
    int status = -1;
};

// Runs the built program with `arguments` in the C locale; `environment` ("NAME=value") adds to
// or overrides the variables.
Outcome RunPlovex(const QStringList& arguments, const QStringList& environment = {});

// Runs a shell script in `directory` in which "$P" is the built program: for arguments that are
// not text (bytes that are no UTF-8), redirections and other users.
Outcome RunScript(const QString& script, const QString& directory);
