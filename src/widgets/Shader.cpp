#include "Shader.h"

#include <QLinearGradient>
#include <QPainter>

TShader::TShader(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TShader::setColors(const QColor& from, const QColor& to)
{
    m_from = from;
    m_to = to;
    update();
}

void TShader::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, m_from);
    g.setColorAt(1, m_to);
    p.fillRect(rect(), g);
}
