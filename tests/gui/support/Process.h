// Another program run to its end: its exit code and what it wrote.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <string>

namespace osk::test {

struct ProcessResult {
    bool finished = false; // in time and without a crash
    int exitCode = -1;
    std::string out, err;
};

inline ProcessResult
runProcess(const QString& program, const QStringList& args,
           const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
           int timeoutMs = 60000) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    ProcessResult r;
    r.finished = p.waitForFinished(timeoutMs) && p.exitStatus() == QProcess::NormalExit;
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString() +
            (r.finished ? std::string() : p.errorString().toStdString());
    return r;
}

} // namespace osk::test
