#include "Program.h"

#include <QCoreApplication>

void Program::nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Horavane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HORAVANE_VERSION));
}

void Program::printTo(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}
