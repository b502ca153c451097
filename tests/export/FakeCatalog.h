#pragma once
// A catalogue of a few articles for the export tests, with the catalogue's
// own texts for missing data.
#include "export/ExportData.h"
#include "tools/Errors.h"

#include <QHash>
#include <QSet>

namespace kvtest {

struct FakeArticle
{
    QString prodArticle, prodArticle2, name, unit;
};

class FakeCatalog : public kv::ExportCatalog
{
public:
    void add(const QString &code, const FakeArticle &a) { m_articles.insert(code, a); }
    // Present with a name, but the unit lookup fails.
    void addWithoutUnit(const QString &code, const QString &name)
    {
        m_articles.insert(code, {QString(), QString(), name, QString()});
        m_noUnit.insert(code);
    }

    QString makerArticle(const QString &code, int which) const override
    {
        const auto it = m_articles.find(code);
        if (it == m_articles.end())
            return {};
        return which == 1 ? it->prodArticle : which == 2 ? it->prodArticle2 : QString();
    }
    QString name(const QString &code) const override
    {
        const auto it = m_articles.find(code);
        if (it == m_articles.end())
            throw kv::Error(QStringLiteral("В каталоге отсутствуют данные для [%1]!\r\n(Поиск [Наименование] через [Код])").arg(code));
        return it->name;
    }
    QString unit(const QString &code) const override
    {
        const auto it = m_articles.find(code);
        if (it == m_articles.end() || m_noUnit.contains(code))
            throw kv::Error(QStringLiteral("В каталоге отсутствуют данные для [%1]!\r\n(Поиск [Ед.изм] через [Код])").arg(code));
        return it->unit;
    }

private:
    QHash<QString, FakeArticle> m_articles;
    QSet<QString> m_noUnit;
};

} // namespace kvtest
