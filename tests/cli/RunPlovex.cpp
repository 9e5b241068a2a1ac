#include "RunPlovex.h"

#include <QProcess>

namespace {

Outcome Run(const QString& program, const QStringList& arguments, const QStringList& environment,
    const QString& directory = {})
{
    QProcess process;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.remove("LANG");
    variables.remove("LC_NUMERIC");
    variables.insert("LC_ALL", "C");
    for (const QString& variable : environment) {
        const qsizetype equals = variable.indexOf('=');
        variables.insert(variable.left(equals), variable.mid(equals + 1));
    }
    process.setProcessEnvironment(variables);
    process.setWorkingDirectory(directory);
    process.start(program, arguments);
    Outcome outcome;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        outcome.err = "did not finish";
        return outcome;
    }
    outcome.out = process.readAllStandardOutput().toStdString();
    outcome.err = process.readAllStandardError().toStdString();
    outcome.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    return outcome;
}

} // namespace

Outcome RunPlovex(const QStringList& arguments, const QStringList& environment)
{
    return Run(QStringLiteral(PLOVEX_EXECUTABLE), arguments, environment);
}

Outcome RunScript(const QString& script, const QString& directory)
{
    return Run("/bin/sh", { "-c", "P=\"$0\"; " + script, QStringLiteral(PLOVEX_EXECUTABLE) }, {},
        directory);
}
