#pragma once

#include <QWidget>
#include <optional>

class DigitsLabel;
class QLabel;
class QPushButton;
class QStackedWidget;

// The line above the chart: what is shown and its total on the left; the daily average on the right, or,
// while one day is chosen, the button that goes back to all days.
class Headline : public QWidget
{
    Q_OBJECT
public:
    explicit Headline(QWidget* parent = nullptr);

    // The whole period: its title ("Last 7 Days"), the range's total and the daily average. An animated
    // change (choosing a day or going back to all) rolls the total; new data and other periods do not.
    void showPeriod(const QString& title, double total, double average, bool animated = false);
    // One chosen day: its title and total.
    void showDay(const QString& title, double total, bool animated = false);

    QString title() const;
    QString total() const;
    // Whether the total is rolling from its previous value.
    bool totalIsRolling() const;
    // The daily average's text, none while a day is chosen.
    std::optional<QString> average() const;
    QPushButton* showAllDaysButton() const { return m_showAll; }

signals:
    void showAllDaysRequested();

private:
    QLabel* m_title = nullptr;
    DigitsLabel* m_total = nullptr;
    QStackedWidget* m_right = nullptr;
    QWidget* m_averageColumn = nullptr;
    DigitsLabel* m_average = nullptr;
    QPushButton* m_showAll = nullptr;
};
