#pragma once

#include <QLabel>

// A label that acts as a link: underlined, navy, hand cursor; red while the
// mouse is over it.
class TLinkLabel : public QLabel {
    Q_OBJECT
public:
    static constexpr QRgb normalColor = 0x000080; // navy
    static constexpr QRgb hoverColor = 0xFF0000;

    explicit TLinkLabel(const QString& text, QWidget* parent = nullptr);
    QColor textColor() const;

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setTextColor(QRgb rgb);
};
