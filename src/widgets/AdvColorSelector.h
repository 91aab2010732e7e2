#pragma once

#include <QColor>
#include <QFrame>
#include <QToolButton>
#include <functional>
#include <optional>
#include <vector>

// A drop-down button showing the selected colour; its palette lists
// full-width buttons and colour cells, each entry with a caption, a hint and
// a colour. Colours are 32-bit values with red in the low byte, then green,
// then blue, as the shop database stores them.
class TAdvColorSelector : public QToolButton {
    Q_OBJECT
public:
    struct Entry {
        enum Type { FullWidthButton, Cell };
        Type type = Cell;
        QString caption;
        QString hint;
        quint32 color = 0;
        bool hasColor = true; // a button that only asks for more, has none
    };

    explicit TAdvColorSelector(QWidget* parent = nullptr);

    void setEntries(std::vector<Entry> entries);
    const std::vector<Entry>& entries() const { return m_entries; }
    int columns = 8;
    // Cells show their red, green and blue values as their hint.
    bool showRgbHint = true;

    quint32 selectedColor() const { return m_selected; }
    void setSelectedColor(quint32 color);

    // The palette as it drops down; built on first use.
    QFrame* palette();
    void dropDown();
    // What a click on entry index does.
    void pick(int index);

    static QColor toQColor(quint32 color);
    static quint32 fromQColor(const QColor& c);
    static QString rgbHint(quint32 color);

signals:
    // After the selected colour took the entry's colour, if it has one.
    void select(int index, const TAdvColorSelector::Entry& entry);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildPalette();

    std::vector<Entry> m_entries;
    quint32 m_selected = 0;
    QFrame* m_popup = nullptr;
};

// The system colour dialog, behind a replaceable runner so that tests can
// answer it.
class TColorDialog {
public:
    // The chosen colour, or nullopt when the user cancels.
    using Runner = std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)>;
    static void setRunner(Runner runner); // an empty runner restores Qt's dialog
    static const Runner& runner();

    explicit TColorDialog(QWidget* parent = nullptr) : m_parent(parent) {}
    // true when the user chose; Color then holds the choice.
    bool Execute();
    QColor Color = Qt::black;

private:
    QWidget* m_parent;
};
