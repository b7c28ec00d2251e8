#pragma once

// Runs the built tcutil: arguments, optional standard input and output file, in Shanghai's time.

#include <QProcess>
#include <QString>
#include <QStringList>

struct Result
{
    int status = -1;
    QString out;
    QString err;
};

// How to run it; the default: tcutil itself, no input, output kept in the result.
struct Via
{
    QByteArray input;   // written to standard input
    QString outputFile; // standard output goes here instead of the result
    QString workingDirectory;
    QString program = QStringLiteral(TCUTIL_PATH);

    static Via stdinOf(const QByteArray& bytes)
    {
        Via v;
        v.input = bytes;
        return v;
    }
    static Via stdoutTo(const QString& path)
    {
        Via v;
        v.outputFile = path;
        return v;
    }
    static Via in(const QString& directory)
    {
        Via v;
        v.workingDirectory = directory;
        return v;
    }
    static Via shell()
    {
        Via v;
        v.program = QStringLiteral("/bin/sh");
        return v;
    }
};

inline Result tcutil(const QStringList& args, const Via& via = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TZ"), QStringLiteral("Asia/Shanghai"));
    p.setProcessEnvironment(env);
    if (!via.outputFile.isEmpty()) p.setStandardOutputFile(via.outputFile);
    if (!via.workingDirectory.isEmpty()) p.setWorkingDirectory(via.workingDirectory);
    p.start(via.program, args);
    Result r;
    if (!p.waitForStarted(10000)) return r;
    p.write(via.input);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit) return r;
    r.status = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

inline QStringList lines(const QString& text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
