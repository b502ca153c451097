#include "RecClipBoard.h"

#include "core/DataEditor.h"
#include "core/DataSet.h"

#include <QRandomGenerator>

namespace kv {

namespace {

bool containsName(const QStringList &names, const QString &name)
{
    return names.contains(name, Qt::CaseInsensitive);
}


} // namespace

// ---------------------------------------------------------------- TCustomRec

TCustomRec::TCustomRec(TDataTable &table, bool exclude, const QStringList &fields) : m_dataSet(&table)
{
    auto add = [this](const TField &f) { m_fields.push_back(std::make_unique<TRecField>(f.fieldName(), f.value())); };
    if (fields.isEmpty() || exclude) {
        for (const auto &f : table.fields())
            if (f->fieldKind() == FieldKind::Data && !(exclude && containsName(fields, f->fieldName())))
                add(*f);
        return;
    }
    for (const QString &name : fields) {
        const TField *f = table.findField(name.trimmed());
        if (f && f->fieldKind() == FieldKind::Data)
            add(*f);
    }
}

TCustomRec::~TCustomRec() = default;

void TCustomRec::Clear()
{
    m_fields.clear();
    m_dataSet = nullptr;
}

TRecField *TCustomRec::findField(const QString &name) const
{
    for (const auto &f : m_fields)
        if (f->FieldName.compare(name, Qt::CaseInsensitive) == 0)
            return f.get();
    return nullptr;
}

void TCustomRec::setValue(const QString &name, const QVariant &value)
{
    if (TRecField *f = findField(name))
        f->Value = value;
    else
        m_fields.push_back(std::make_unique<TRecField>(name, value));
}

QVariant TCustomRec::value(const QString &name) const
{
    const TRecField *f = findField(name);
    return f ? f->Value : QVariant();
}

bool TCustomRec::ApplyTo(TDataTable &table) const { return ApplyToWithOverrides(table, {}, {}); }

bool TCustomRec::ApplyToWithOverrides(TDataTable &table, const QStringList &names, const QVariantList &values) const
{
    if (&table != m_dataSet)
        return false;
    const bool overrides = !names.isEmpty() && !values.isEmpty();
    TDataEditor &editor = TDataEditor::of(table);
    for (const auto &rf : m_fields) {
        const TField *f = table.findField(rf->FieldName);
        // Keys the database assigns (autoinc) and computed fields are not written.
        if (!f || f->fieldKind() != FieldKind::Data || f->isReadOnly())
            continue;
        QVariant v = rf->Value;
        if (overrides) {
            for (int i = 0; i < names.size(); ++i) {
                if (names.at(i).compare(rf->FieldName, Qt::CaseInsensitive) == 0) {
                    if (i < values.size())
                        v = values.at(i);
                    break;
                }
            }
        }
        editor.setValue(f->fieldName(), v);
    }
    return true;
}

// ------------------------------------------------------------- TRecClipBoard

TRecClipBoard::~TRecClipBoard() = default;

void TRecClipBoard::Clear()
{
    m_records.clear();
    m_dataSet = nullptr;
}

qint32 TRecClipBoard::RandomKey()
{
    QRandomGenerator *r = QRandomGenerator::global();
    return qint32(r->bounded(213000)) * 10000 + qint32(r->bounded(9999));
}

void TRecClipBoard::CopyRecords(TDataTable *table, const QStringList &fields, bool exclude, const QString &prompt,
                                const QString &askField, const QString &randomKeyField, TRowSelection *grid)
{
    if (!table || !table->isActive() || table->isEmpty())
        return;
    Clear();
    m_dataSet = table;
    RandomKeyField = randomKeyField;
    AskField = askField;
    AskPrompt = prompt;

    const QList<qint64> marked = grid ? grid->selectedBookmarks() : QList<qint64>();
    if (marked.size() <= 1) {
        m_records.push_back(std::make_unique<TCustomRec>(*table, exclude, fields));
        return;
    }
    DisabledControls off(*table);
    const qint64 current = table->bookmark();
    for (qint64 bm : marked)
        if (table->gotoBookmark(bm))
            m_records.push_back(std::make_unique<TCustomRec>(*table, exclude, fields));
    grid->clearSelection();
    table->gotoBookmark(current);
}

void TRecClipBoard::PasteRecords(TDataTable *table, bool postAlways, int insertMode, int counterStart,
                                 const QString &counterField)
{
    if (!table || table != m_dataSet || m_records.empty())
        return;
    TDataEditor &editor = TDataEditor::of(*table);
    DisabledControls off(*table);
    const bool post = m_records.size() > 1 || postAlways;
    int counter = counterStart;
    for (const auto &rec : m_records) {
        if (!AskField.isEmpty()) {
            QString answer;
            if (!AskValue || !AskValue(AskPrompt, answer) || answer.isEmpty())
                return;
            rec->setValue(AskField, answer);
        }
        if (!RandomKeyField.isEmpty())
            rec->setValue(RandomKeyField, RandomKey());
        if (!counterField.isEmpty())
            rec->setValue(counterField, ++counter);
        switch (insertMode) {
        case 0: editor.insert(); break;
        case 1: editor.append(); break;
        default: editor.edit(); break;
        }
        rec->ApplyTo(*table);
        if (post)
            editor.post();
    }
}

TRecClipBoard &RecClipBoard()
{
    static TRecClipBoard clipboard;
    return clipboard;
}

} // namespace kv
