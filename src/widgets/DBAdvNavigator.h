#pragma once

#include "data/FbDataSet.h"

#include <QPointer>
#include <QWidget>
#include <array>

class QToolButton;

// The record navigator: twelve buttons acting on the current record of a
// data source, each enabled only where it can act.
class TDBAdvNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh, SetBookmark, GotoBookmark };
    static constexpr int ButtonCount = 12;

    explicit TDBAdvNavigator(QWidget* parent = nullptr);
    void setDataSource(FbDataSource* source);
    FbDataSource* dataSource() const { return m_source; }

    QToolButton* button(Button b) const { return m_buttons[b]; }
    static QString hintOf(Button b);
    // Runs what the button does, as a click would.
    void click(Button b);

    // Delete asks "Delete record?" first.
    bool confirmDelete = true;

private:
    void updateButtons();

    QPointer<FbDataSource> m_source;
    std::array<QToolButton*, ButtonCount> m_buttons{};
    FbDataSet::Bookmark m_bookmark = 0;
};
