#pragma once

#include <QWidget>

// The welcome picture, drawn rather than loaded: an evening sky over a day's
// timeline of shift bars.
class TWelcomePicture : public QWidget {
public:
    explicit TWelcomePicture(QWidget* parent = nullptr) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};
