#include "Placeholders.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QWidget* Placeholders::welcome(const std::function<void()>& done)
{
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    auto* text = new QLabel(QStringLiteral("Horavane records where your time goes, application by application and "
                                           "website by website. Its ring lives in the system tray: click it to see "
                                           "today."));
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* button = new QPushButton(QStringLiteral("Continue"));
    QObject::connect(button, &QPushButton::clicked, content, done);
    layout->addWidget(button, 0, Qt::AlignRight);
    content->setFixedWidth(420);
    return content;
}

QWidget* Placeholders::settings()
{
    auto* content = new QLabel(QStringLiteral("Preferences are kept in $XDG_CONFIG_HOME/Horavane/Horavane.conf."));
    content->setMargin(24);
    return content;
}
