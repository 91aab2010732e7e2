#include "DBControls.h"

#include "app/ProgramErrors.h"
#include "data/FbDataSet.h"

TFieldLink::TFieldLink(QObject* control, std::function<void()> show) : m_control(control), m_show(std::move(show)) {}

void TFieldLink::setDataSource(FbDataSource* source)
{
    if (m_source)
        QObject::disconnect(m_source, nullptr, m_control, nullptr);
    m_source = source;
    if (source) {
        QObject::connect(source, &FbDataSource::dataChanged, m_control, [this] { showUnlessWriting(); });
        QObject::connect(source, &FbDataSource::stateChanged, m_control, [this] { showUnlessWriting(); });
        QObject::connect(source, &FbDataSource::fieldChanged, m_control, [this](const QString& name) {
            if (name.compare(m_field, Qt::CaseInsensitive) == 0)
                showUnlessWriting();
        });
    }
    showUnlessWriting();
}

void TFieldLink::setDataField(const QString& field)
{
    m_field = field;
    showUnlessWriting();
}

FbDataSet* TFieldLink::boundSet() const
{
    FbDataSet* ds = m_source ? m_source->dataSet() : nullptr;
    return ds && ds->isActive() && ds->hasField(m_field) ? ds : nullptr;
}

void TFieldLink::showUnlessWriting()
{
    // The control already shows what it is writing.
    if (!m_writing)
        m_show();
}

void TFieldLink::write(const FbValue& value)
{
    FbDataSet* ds = boundSet();
    if (!ds)
        return;
    m_writing = true;
    try {
        ds->edit();
        ds->setFieldValue(m_field, value);
    } catch (...) {
        m_writing = false;
        m_show();
        throw;
    }
    m_writing = false;
}

TDBEdit::TDBEdit(QWidget* parent) : QLineEdit(parent), m_link(this, [this] { showField(); })
{
    connect(this, &QLineEdit::textEdited, this,
            ProgramErrors::guarded([this](const QString& text) { m_link.write(FbValue(text)); }));
    showField();
}

void TDBEdit::showField()
{
    FbDataSet* ds = m_link.boundSet();
    setReadOnly(!ds);
    if (!ds) {
        clear();
        return;
    }
    const auto& def = ds->fieldDef(dataField());
    setMaxLength(def.kind == FbDataSet::Kind::String && def.size > 0 ? def.size : 32767);
    const QString text = ds->fieldValue(dataField()).asString();
    if (text != this->text())
        setText(text);
}

TDBCheckBox::TDBCheckBox(const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent), m_link(this, [this] { showField(); })
{
    connect(this, &QCheckBox::clicked, this, ProgramErrors::guarded([this](bool checked) {
        m_link.write(FbValue(checked ? valueChecked : valueUnchecked));
    }));
    showField();
}

void TDBCheckBox::showField()
{
    FbDataSet* ds = m_link.boundSet();
    setEnabled(ds != nullptr);
    setChecked(ds && ds->fieldValue(dataField()).asString() == valueChecked);
}
