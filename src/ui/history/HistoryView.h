// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Focus.h"
#include "HistoryModel.h"

#include <QWidget>
#include <optional>

class BackupComputers;
class BarChart;
class ComputerSwitch;
class Headline;
class Icons;
class ItemList;
class PeriodPicker;
class RingView;
class Settings;
class Tracker;

// The history window's content: the period picker, the headline, a bar per day, and the ring and item list
// of the whole period or the chosen day. Pointing at a piece of a bar, the ring or a row highlights the item
// everywhere; clicking a bar chooses its day. It reads the tracker only while shown.
class HistoryView : public QWidget
{
    Q_OBJECT
public:
    // The content below the toolbar is never smaller than this.
    static constexpr QSize minimumContentSize{580, 520};

    HistoryView(Tracker& tracker, Icons& icons, Settings& settings, Period period = Period::week,
                QWidget* parent = nullptr);

    // The window reports whether it is on screen; while it is not, the tracker's changes are not read.
    void setShown(bool visible);
    bool isShown() const { return m_shown; }
    // Another span of days: forgets the chosen day and reloads.
    void setPeriod(Period period);
    Period period() const { return m_model.period(); }
    // The other computers of the backup folder; with any, a switch adds their time. Looked for each time
    // the view is shown.
    void setOtherComputers(BackupComputers* others);
    ComputerSwitch* computerSwitch() const { return m_computers; }
    // A hover the preview mode imposes, applied each time the view is shown.
    void setPreviewHover(const std::optional<PreviewHover>& hover);

    // Reads the period's days again; the view changes only when something visible did.
    void reload();
    // Re-applies the preview hover, if there is one.
    void applyPreviewHover();

    const HistoryModel& model() const { return m_model; }
    // What the chart or the list points at, else what the ring points at.
    std::optional<Focus> focus() const;
    std::optional<QString> focusedSlice() const;

    PeriodPicker* periodPicker() const { return m_picker; }
    Headline* headline() const { return m_headline; }
    BarChart* chart() const { return m_chart; }
    RingView* ring() const { return m_ring; }
    ItemList* list() const { return m_list; }

private:
    void updateColors(bool force);
    void contentChanged();
    // The ring, the list and the headline follow the summary shown; a chosen day rolls the total.
    void shownChanged(bool dayChosen = false);
    void focusChanged();
    void chartPointed(const std::optional<QString>& day, const std::optional<Segment>& segment);
    void dayClicked(const std::optional<QString>& day);
    void selectionChanged();

    Tracker& m_tracker;
    Icons& m_icons;
    Settings& m_settings;
    HistoryModel m_model;
    bool m_shown = false;
    std::optional<ItemKey> m_hoveredRow;
    std::optional<Focus> m_ringFocus;
    std::optional<PreviewHover> m_previewHover;
    QHash<ItemKey, AdaptiveColor> m_listColors; // what the list was last given

    BackupComputers* m_others = nullptr;
    ComputerSwitch* m_computers = nullptr;
    PeriodPicker* m_picker = nullptr;
    Headline* m_headline = nullptr;
    BarChart* m_chart = nullptr;
    RingView* m_ring = nullptr;
    ItemList* m_list = nullptr;
};
