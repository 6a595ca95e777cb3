// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsView.h"

#include "CSV.h"
#include "ChartColorsPreview.h"
#include "ExcludedList.h"
#include "FocusRing.h"
#include "FormSection.h"
#include "LimitsSection.h"
#include "LoginItem.h"
#include "Palette.h"
#include "Places.h"
#include "PlatformTexts.h"
#include "SegmentedControl.h"
#include "Settings.h"
#include "SettingsTexts.h"
#include "Store.h"
#include "Theme.h"
#include "Tracker.h"
#include "UpdateChecker.h"
#include "Updates.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int tallestContent = 720;

// A folder as the user knows it: below home with "~".
QString shownFolder(const QString& folder, const QString& home)
{
    if (!home.isEmpty() && (folder == home || folder.startsWith(home + QLatin1Char('/'))))
        return QLatin1Char('~') + folder.mid(home.size());
    return folder;
}

std::optional<QString> askForFolder(QWidget* parent)
{
    const QString folder = QFileDialog::getExistingDirectory(parent, PlatformTexts::backupFolderRow());
    return folder.isEmpty() ? std::nullopt : std::optional(folder);
}

// An external drive seen from the front: a rounded body with a status light.
QPixmap driveSymbol(qreal side, const QColor& color, qreal ratio)
{
    QPixmap pixmap(QSize(qCeil(side * ratio), qCeil(side * ratio)));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(side * 0.08, side * 0.3, side * 0.84, side * 0.44);
    painter.setPen(QPen(color, side * 0.09));
    painter.drawRoundedRect(body, side * 0.12, side * 0.12);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(QPointF(body.right() - side * 0.18, body.center().y()), side * 0.06, side * 0.06);
    return pixmap;
}

QPushButton* smallButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return button;
}

std::optional<QString> askForFile(QWidget* parent, const QString& proposedName)
{
    QFileDialog dialog(parent, QCoreApplication::translate("SettingsView", "Save as CSV"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    //: File type in the save dialog; "(*.csv)" stays as it is
    dialog.setNameFilter(QCoreApplication::translate("SettingsView", "Comma-separated values (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

QScrollArea* scrolling(QWidget* content, QWidget* parent)
{
    auto* area = new QScrollArea(parent);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidgetResizable(true);
    area->setFocusPolicy(Qt::NoFocus); // the controls inside take the focus, and the area scrolls to them
    area->setWidget(content);
    return area;
}

} // namespace

const QString SettingsView::proposedFileName = QStringLiteral("Horavane History.csv");

SettingsView::SettingsView(Tracker& tracker, Icons& icons, Settings& settings, UpdateChecker& updates,
                           BackupController& backupController, LoginItem& loginItem, const Places& places,
                           QWidget* parent)
    : QWidget(parent), m_tracker(tracker), m_icons(icons), m_settings(settings), m_updates(updates),
      m_backupController(backupController), m_loginItem(loginItem), m_homeFolder(places.homeFolder()),
      m_syncFolders(places.syncFolders()), m_chooseFile(askForFile),
      m_openUrl([](const QUrl& url) { QDesktopServices::openUrl(url); }), m_chooseFolder(askForFolder)
{
    setFixedWidth(contentWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 0, 0);
    m_tabs = new QTabWidget(this);
    m_tabs->setDocumentMode(true);
    // The tab bar is the focus stop, named by its current tab, rather than its unnamed container (which hands its
    // own focus policy on to the bar).
    m_tabs->setFocusPolicy(Qt::NoFocus);
    m_tabs->tabBar()->setFocusPolicy(Qt::TabFocus);
    //: Settings tab
    m_tabs->addTab(scrolling(makeGeneralTab(), m_tabs), tr("General"));
    //: Settings tab: backup, export and deletion of the history
    m_tabs->addTab(scrolling(makeDataTab(), m_tabs), tr("Data"));
    paintTabIcons();
    m_tabs->tabBar()->setExpanding(false);
    layout->addWidget(m_tabs);

    bindSettings();
    showUpdateState();
    showBackupState();
    showCopies({});
}

SettingsView::~SettingsView() = default;

void SettingsView::paintTabIcons()
{
    const qreal ratio = devicePixelRatioF();
    const QColor symbolColor = Theme::primary(palette());
    m_tabs->setTabIcon(0, QIcon(Theme::symbol(Theme::Symbol::gear, 16, symbolColor, ratio)));
    m_tabs->setTabIcon(1, QIcon(driveSymbol(16, symbolColor, ratio)));
}

void SettingsView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange && m_tabs)
        paintTabIcons(); // the symbols are drawn in the text colour, which a light/dark switch changes
    QWidget::changeEvent(event);
}

QWidget* SettingsView::makeGeneralTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(20, 16, 20, 20);
    layout->setSpacing(18);

    auto* basics = new FormSection({}, page);
    m_openAtLogin = new QCheckBox(page);
    m_openAtLogin->setAccessibleName(tr("Open at Login"));
    m_openAtLogin->setChecked(m_loginItem.isEnabled());
    basics->addRow(tr("Open at Login"), m_openAtLogin);
    m_showsTime = new QCheckBox(page);
    //: The panel's tray area, where Horavane's ring sits
    m_showsTime->setAccessibleName(tr("Show Time in Menu Bar"));
    basics->addRow(tr("Show Time in Menu Bar"), m_showsTime);
    m_idle = new QComboBox(page);
    //: Followed by a choice such as "5 minutes idle"
    m_idle->setAccessibleName(tr("Stop counting after"));
    for (const int minutes : idleChoices)
        m_idle->addItem(SettingsTexts::idleChoice(minutes), minutes);
    basics->addRow(tr("Stop counting after"), m_idle);
    m_basics = basics;
    setPanelDrawsTime(true);
    layout->addWidget(basics);

    auto* colours = new FormSection({}, page);
    QList<SegmentedControl::Segment> counts;
    for (int count = 3; count <= 8; ++count)
        counts.append({count, QLocale().toString(count)});
    m_colours = new SegmentedControl(counts, 32, page);
    //: How many slices of the ring get a colour of their own
    m_colours->setAccessibleName(tr("Coloured Slices"));
    colours->addRow(tr("Coloured Slices"), m_colours);
    m_preview = new ChartColorsPreview(Palette::effectiveColorCount(m_settings.chartColors()), page);
    //: Label of a picture of the ring and the menu bar icon in the chosen colours
    colours->addRow(tr("Preview"), m_preview);
    //: "•••" is the options menu's button in the today window
    colours->setFooter(tr(
        "How many apps and websites get a slice and colour of their own. The rest share grey. The ring in the menu bar "
        "follows the same number, as far as it has room. This is also in the ••• menu."));
    layout->addWidget(colours);

    auto* notTracked = new FormSection(tr("Not Tracked"), page);
    m_excluded = new ExcludedList(m_tracker, m_icons, page);
    notTracked->addWidget(m_excluded);
    notTracked->setFooter(tr("To stop tracking an app or website, right-click it in the list or press the Menu key on "
                             "it and choose Don’t Track, or choose it under Don’t Track in the options menu. "
                             "Its time is hidden, and comes back if you track it again."));
    layout->addWidget(notTracked);

    m_limits = new LimitsSection(m_settings, m_tracker, m_icons, page);
    layout->addWidget(m_limits);

    m_updatesSection = new FormSection(tr("Updates"), page);
    m_checkButton = smallButton(tr("Check for Updates…"), page);
    m_updatesSection->addRow(&m_updateLabel, m_checkButton);
    m_updateLabel->setTextFormat(Qt::PlainText);
    m_downloadButton = smallButton(tr("Open Download Page…"), page);
    m_downloadRow = m_updatesSection->addRow(tr("Get the new version"), m_downloadButton);
    //: %1: the web site asked, such as "horavane.app"
    m_updatesSection->setFooter(tr("This is the only time Horavane goes online, and only when you click the button. "
                                   "It asks %1 for the latest version number. Nothing about you or what you use is "
                                   "sent.")
                                    .arg(Updates::feed().host()));
    layout->addWidget(m_updatesSection);
    layout->addStretch(1);

    connect(m_openAtLogin, &QCheckBox::clicked, this, &SettingsView::setOpensAtLogin);
    connect(m_showsTime, &QCheckBox::clicked, &m_settings, &Settings::setShowsTimeInTray);
    connect(m_idle, &QComboBox::activated, this,
            [this](int index) { m_settings.setIdleMinutes(m_idle->itemData(index).toDouble()); });
    connect(m_colours, &SegmentedControl::idChosen, &m_settings, &Settings::setChartColors);
    connect(m_checkButton, &QPushButton::clicked, &m_updates, &UpdateChecker::check);
    connect(m_downloadButton, &QPushButton::clicked, this, [this] { m_openUrl(Updates::page()); });
    connect(&m_updates, &UpdateChecker::stateChanged, this, &SettingsView::showUpdateState);
    return page;
}

QWidget* SettingsView::makeDataTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(20, 16, 20, 20);
    layout->setSpacing(18);

    auto* backup = new FormSection(tr("Backup"), page);
    m_folderButton = smallButton(QString(), page);
    m_folderButton->setAccessibleName(PlatformTexts::backupFolderRow());
    m_folderMenu = new QMenu(m_folderButton);
    m_folderButton->setMenu(m_folderMenu);
    backup->addRow(PlatformTexts::backupFolderRow(), m_folderButton);
    m_dailyBackup = new QCheckBox(page);
    m_dailyBackup->setAccessibleName(PlatformTexts::backupToggle());
    backup->addRow(PlatformTexts::backupToggle(), m_dailyBackup);
    m_lastBackupLabel = new QLabel(page);
    m_lastBackupLabel->setTextFormat(Qt::PlainText);
    m_lastBackupRow = backup->addRow(tr("Last backup"), m_lastBackupLabel);
    m_restoreButton = smallButton(QString(), page);
    m_restoreMenu = new QMenu(m_restoreButton);
    m_restoreButton->setMenu(m_restoreMenu);
    //: Row label; its button lists the backups to restore from
    backup->addRow(tr("Restore"), m_restoreButton);
    backup->setFooter(PlatformTexts::backupFooter());
    layout->addWidget(backup);

    auto* yourData = new FormSection(tr("Your Data"), page);
    m_exportButton = smallButton(tr("Save as CSV…"), page);
    //: Row label
    yourData->addRow(tr("Export"), m_exportButton);
    m_deleteButton = smallButton(tr("Delete All…"), page);
    QPalette destructive = m_deleteButton->palette();
    destructive.setColor(QPalette::ButtonText, QColor(0xE0, 0x3B, 0x2F));
    m_deleteButton->setPalette(destructive);
    //: Row label; the row's button deletes all of the recorded history
    yourData->addRow(tr("History"), m_deleteButton);
    layout->addWidget(yourData);

    auto* privacy = new FormSection(tr("Privacy"), page);
    m_welcomeButton = new QPushButton(tr("Show Welcome Screen"), page);
    m_welcomeButton->setFlat(true);
    FocusRing::install(m_welcomeButton); // a flat button shows no focus of its own
    m_welcomeButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    privacy->addWidget(m_welcomeButton);
    privacy->setFooter(PlatformTexts::privacyFooter());
    layout->addWidget(privacy);
    layout->addStretch(1);

    connect(m_dailyBackup, &QCheckBox::clicked, &m_backupController, &BackupController::setDailyBackup);
    connect(m_exportButton, &QPushButton::clicked, this, &SettingsView::exportHistory);
    connect(m_deleteButton, &QPushButton::clicked, this, [this] { setConfirmingDelete(true); });
    connect(m_welcomeButton, &QPushButton::clicked, this, &SettingsView::welcomeRequested);
    return page;
}

void SettingsView::bindSettings()
{
    const auto showTime = [this](bool on) { m_showsTime->setChecked(on); };
    const auto showIdle = [this](double minutes) {
        // Values off the list select nothing.
        const double effective = Settings::idleLimitMinutes(minutes);
        m_idle->setCurrentIndex(m_idle->findData(static_cast<int>(effective)));
        if (effective != static_cast<int>(effective))
            m_idle->setCurrentIndex(-1);
    };
    const auto showColours = [this](int stored) {
        const int count = Palette::effectiveColorCount(stored);
        m_colours->setCurrentId(count);
        m_preview->setCount(count);
    };
    const auto showTab = [this](const QString& raw) {
        m_tabs->setCurrentIndex(SettingsTabs::fromRawValue(raw) == SettingsTab::data ? 1 : 0);
    };
    showTime(m_settings.showsTimeInTray());
    showIdle(m_settings.idleMinutes());
    showColours(m_settings.chartColors());
    showTab(m_settings.settingsTab());

    connect(&m_settings, &Settings::showsTimeInTrayChanged, this, showTime);
    connect(&m_settings, &Settings::idleMinutesChanged, this, showIdle);
    connect(&m_settings, &Settings::chartColorsChanged, this, showColours);
    connect(&m_settings, &Settings::settingsTabChanged, this, showTab);
    connect(&m_settings, &Settings::dailyBackupChanged, this, &SettingsView::showBackupState);
    connect(&m_settings, &Settings::backupProblemChanged, this, &SettingsView::showBackupState);
    connect(&m_settings, &Settings::backupFolderChanged, this, [this] {
        showBackupState();
        m_backupController.reloadCopies();
    });
    connect(&m_settings, &Settings::lastBackupChanged, this, [this] {
        showBackupState();
        m_backupController.reloadCopies(); // a backup just finished
    });
    connect(&m_backupController, &BackupController::copiesListed, this, &SettingsView::showCopies);
    connect(&m_backupController, &BackupController::restoreFinished, this, &SettingsView::showRestoreOutcome);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        m_settings.setSettingsTab(SettingsTabs::rawValue(index == 1 ? SettingsTab::data : SettingsTab::general));
        updateGeometry();
    });
}

QSize SettingsView::sizeHint() const
{
    auto* area = qobject_cast<QScrollArea*>(m_tabs->currentWidget());
    const QWidget* page = area ? area->widget() : nullptr;
    // Wrapped footers grow taller as the page gets narrower; ask for the height at the window's width.
    const int content = !page                       ? 400
                        : page->hasHeightForWidth() ? page->heightForWidth(contentWidth)
                                                    : page->sizeHint().height();
    // The tab bar, the margin above it and the page's frame come on top of the page's own height.
    const int chrome = m_tabs->tabBar()->sizeHint().height() + layout()->contentsMargins().top() + 16;
    return {contentWidth, std::min(content + chrome, tallestContent)};
}

void SettingsView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    // Another window may have switched the login item, and the backup folder may have changed meanwhile.
    const QSignalBlocker quiet(m_openAtLogin);
    m_openAtLogin->setChecked(m_loginItem.isEnabled());
    showBackupState();
    m_backupController.reloadCopies();
}

SettingsTab SettingsView::tab() const
{
    return m_tabs->currentIndex() == 1 ? SettingsTab::data : SettingsTab::general;
}

QLabel* SettingsView::updatesFooter() const
{
    return m_updatesSection->footer();
}

QString SettingsView::updateStatus() const
{
    return m_updates.statusText();
}

QString SettingsView::backupStatus() const
{
    return SettingsTexts::backupStatus(m_settings.backupProblem(), m_settings.lastBackup(),
                                       QDateTime::currentDateTime());
}

QString SettingsView::title(const BackupFolder::Copy& copy)
{
    return SettingsTexts::copyTitle(copy.day);
}

QString SettingsView::fullTitle(const BackupFolder::Copy& copy) const
{
    if (copy.computerId == m_settings.computerId())
        return title(copy);
    //: A backup of another computer. %1: the backup's date; %2: the computer's name
    return tr("%1 (%2)").arg(title(copy), copy.computer);
}

void SettingsView::showUpdateState()
{
    const bool available = m_updates.state().kind == UpdateChecker::State::Kind::available;
    m_updateLabel->setText(updateStatus());
    m_checkButton->setEnabled(m_updates.canCheck());
    m_downloadRow->setVisible(available);
}

void SettingsView::showBackupState()
{
    const bool on = m_settings.dailyBackup();
    const QString folder = m_settings.backupFolder();
    m_dailyBackup->setChecked(on);
    // The toggle says what it needs until there is a folder to back up to; a toggle already on stays
    // switchable, so it can be turned off.
    m_dailyBackup->setEnabled(on || !folder.isEmpty());
    m_dailyBackup->setText(folder.isEmpty() ? PlatformTexts::backupToggleNeedsFolder() : QString());
    m_dailyBackup->setToolTip(m_dailyBackup->text());
    m_folderButton->setText(folder.isEmpty() ? PlatformTexts::chooseBackupFolder() : shownFolder(folder, m_homeFolder));
    m_folderButton->setToolTip(folder);
    fillFolderMenu();
    m_lastBackupRow->setVisible(on);
    m_lastBackupLabel->setText(backupStatus());
}

void SettingsView::fillFolderMenu()
{
    m_folderMenu->clear();
    // The folders sync tools keep come first: the copies there reach the user's other computers.
    for (const QString& folder : m_syncFolders) {
        QAction* action = m_folderMenu->addAction(shownFolder(folder, m_homeFolder));
        action->setCheckable(true);
        action->setChecked(folder == m_settings.backupFolder());
        connect(action, &QAction::triggered, this, [this, folder] { m_backupController.setFolder(folder); });
    }
    if (!m_folderMenu->isEmpty())
        m_folderMenu->addSeparator();
    connect(m_folderMenu->addAction(PlatformTexts::otherBackupFolder()), &QAction::triggered, this, [this] {
        if (const std::optional<QString> folder = m_chooseFolder(this))
            m_backupController.setFolder(*folder);
    });
}

void SettingsView::showCopies(const QList<BackupFolder::Copy>& copies)
{
    m_copies = copies;
    m_restoreMenu->clear();
    // With copies of several computers, each computer's copies come under its name.
    const bool several = !copies.isEmpty() && copies.constLast().computerId != copies.constFirst().computerId;
    for (qsizetype i = 0; i < copies.size(); ++i) {
        const BackupFolder::Copy& copy = copies[i];
        if (several && (i == 0 || copies[i - 1].computerId != copy.computerId))
            m_restoreMenu->addSection(copy.computerId == m_settings.computerId() ? PlatformTexts::thisComputer()
                                                                                 : copy.computer);
        QAction* action = m_restoreMenu->addAction(title(copy));
        connect(action, &QAction::triggered, this, [this, copy] { setCopyToRestore(copy); });
    }
    m_restoreButton->setText(copies.isEmpty() ? tr("No Backups Yet") : tr("Choose a Backup"));
    m_restoreButton->setEnabled(!copies.isEmpty());
    emit copiesChanged();
}

void SettingsView::setOpensAtLogin(bool on)
{
    const std::optional<QString> failure = on ? m_loginItem.enable() : m_loginItem.disable();
    if (!failure)
        return;
    // The toggle shows what is really so; the reason is not the user's to act on here.
    const QSignalBlocker quiet(m_openAtLogin);
    m_openAtLogin->setChecked(m_loginItem.isEnabled());
}

void SettingsView::exportHistory()
{
    const std::optional<QString> path = m_chooseFile(this, proposedFileName);
    if (!path || path->isEmpty())
        return;
    m_tracker.flush();
    // Written beside the target and renamed over it, so a failure never leaves half a file.
    const std::optional<CSV::Failure> failure = CSV::save(m_tracker.store(), *path);
    if (failure == CSV::Failure::write)
        setNotice(tr("The file couldn't be saved there."));
    else if (failure == CSV::Failure::read)
        setNotice(tr("The history couldn't be read, so nothing was saved."));
}

void SettingsView::showRestoreOutcome(const BackupFolder::Copy& copy, BackupController::RestoreOutcome outcome)
{
    switch (outcome) {
    case BackupController::RestoreOutcome::restored:
        //: %1: the backup's date, and its computer when it is another
        setNotice(tr("History restored from %1.").arg(fullTitle(copy)));
        break;
    case BackupController::RestoreOutcome::unreadable:
        setNotice(PlatformTexts::backupFetchFailed());
        break;
    case BackupController::RestoreOutcome::unusable:
        setNotice(tr("That backup couldn't be used. Your history was left as it was."));
        break;
    }
}

void SettingsView::setCopyToRestore(const std::optional<BackupFolder::Copy>& copy)
{
    m_copyToRestore = copy;
    presentAlert();
}

void SettingsView::setConfirmingDelete(bool on)
{
    m_isConfirmingDelete = on;
    presentAlert();
}

void SettingsView::setNotice(const std::optional<QString>& notice)
{
    m_notice = notice;
    presentAlert();
}

void SettingsView::setPanelDrawsTime(bool draws)
{
    // Where the panel draws no text beside its items, the setting would change nothing visible.
    m_showsTime->setEnabled(draws);
    m_basics->setFooter(draws ? tr("Idle means no keyboard or mouse activity. Time keeps counting while the app in "
                                   "front is playing video.")
                              : tr("Your panel shows no text beside its items, so today's time is in the tooltip of "
                                   "Horavane's item. Idle means no keyboard or mouse activity. Time keeps counting "
                                   "while the app in front is playing video."));
}
