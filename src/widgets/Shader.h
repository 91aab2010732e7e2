#pragma once

#include <QColor>
#include <QWidget>

// A panel painted with a vertical colour shade; a background for what lies on it.
class TShader : public QWidget {
    Q_OBJECT
public:
    explicit TShader(QWidget* parent = nullptr);
    void setColors(const QColor& from, const QColor& to);
    QColor colorFrom() const { return m_from; }
    QColor colorTo() const { return m_to; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_from = QColor(0xE3, 0xEF, 0xFF);
    QColor m_to = QColor(0x7C, 0xA4, 0xE4);
};
