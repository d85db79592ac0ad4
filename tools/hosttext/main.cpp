// Turns UTF-8 sources into a host text file: Windows-1252, every line ended by CR LF.
// Usage: hosttext <out> <in> [<in> ...]   (inputs are concatenated in the given order)

#include "platform/HostTextFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() < 3) {
        err << "usage: hosttext <out> <in>...\n";
        return 2;
    }
    QStringList lines;
    for (const QString& name : args.mid(2)) {
        QFile in(name);
        if (!in.open(QIODevice::ReadOnly)) {
            err << name << ": cannot be read\n";
            return 1;
        }
        const QString text = QString::fromUtf8(in.readAll());
        if (text.contains(QChar::ReplacementCharacter)) {
            err << name << ": is not valid UTF-8\n";
            return 1;
        }
        lines += zafku::splitHostLines(text);
    }
    if (!zafku::writeHostLinesAtomically(args[1], lines)) {
        err << args[1] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
