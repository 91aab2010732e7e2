#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <functional>

class FbDataSet;
class FbDataSource;
class FbValue;

// The tie of one control to one field of a data source: shows the field
// again whenever the record or the field changes, and writes the user's
// value, starting an edit of the record first.
class TFieldLink {
public:
    TFieldLink(QObject* control, std::function<void()> show);
    void setDataSource(FbDataSource* source);
    void setDataField(const QString& field);
    FbDataSource* dataSource() const { return m_source; }
    QString dataField() const { return m_field; }
    // The open set that has the field, or null.
    FbDataSet* boundSet() const;
    // On failure the field is shown again and the error goes on.
    void write(const FbValue& value);

private:
    void showUnlessWriting();

    QObject* m_control;
    std::function<void()> m_show;
    QPointer<FbDataSource> m_source;
    QString m_field;
    bool m_writing = false;
};

// A line edit over one field; typing writes the text to the field at once.
class TDBEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TDBEdit(QWidget* parent = nullptr);
    void setDataSource(FbDataSource* source) { m_link.setDataSource(source); }
    void setDataField(const QString& field) { m_link.setDataField(field); }
    FbDataSource* dataSource() const { return m_link.dataSource(); }
    QString dataField() const { return m_link.dataField(); }

private:
    void showField();
    TFieldLink m_link;
};

// A check box over one field: checked is valueChecked, unchecked is
// valueUnchecked; any other value, null included, shows unchecked.
class TDBCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit TDBCheckBox(const QString& caption, QWidget* parent = nullptr);
    void setDataSource(FbDataSource* source) { m_link.setDataSource(source); }
    void setDataField(const QString& field) { m_link.setDataField(field); }
    FbDataSource* dataSource() const { return m_link.dataSource(); }
    QString dataField() const { return m_link.dataField(); }

    QString valueChecked = QStringLiteral("1");
    QString valueUnchecked = QStringLiteral("0");

private:
    void showField();
    TFieldLink m_link;
};
