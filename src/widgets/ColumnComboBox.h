#pragma once

#include <QColor>
#include <QComboBox>
#include <QFont>
#include <optional>

class QStandardItemModel;
class QTableView;

// A drop-down list of rows with two columns; the drop-down shows both columns
// with grid lines, and the closed box shows the chosen row's two texts. Each
// row carries an integer tag.
//
// userChanged() is emitted only when the user picks a row, never when the
// choice is changed from code (setCurrentIndex, clear).
class TColumnComboBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int ColumnCount = 2;

    explicit TColumnComboBox(QWidget* parent = nullptr);

    void clear();
    void addRow(const QString& col0, const QString& col1, int tag);
    // count(), currentIndex() and setCurrentIndex(int) (-1: none) are QComboBox's.

    QString text(int row, int col) const;
    // Text of a column of the chosen row; empty when none is chosen.
    QString currentColumnText(int col) const;
    int tag(int row) const;
    // Tag of the chosen row; 0 when none is chosen.
    int currentTag() const;
    // The first row whose column text equals text exactly; -1 when none.
    int findColumnText(int col, const QString& text) const;

    // How a column is drawn, in the drop-down and the closed box.
    void setColumnFont(int col, const QFont& font);
    void setColumnColor(int col, const QColor& color);
    QFont columnFont(int col) const;
    QColor columnColor(int col) const;

    // Least width of the drop-down; it is never narrower than its columns.
    void setDropWidth(int pixels);
    int dropWidth() const { return m_dropWidth; }

    QTableView* dropDownView() const { return m_view; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    void showPopup() override;

signals:
    void userChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int columnWidth(int col) const;

    QStandardItemModel* m_model;
    QTableView* m_view;
    std::optional<QFont> m_fonts[ColumnCount];
    std::optional<QColor> m_colors[ColumnCount];
    int m_dropWidth = 0;
};
