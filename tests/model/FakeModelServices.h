#pragma once
// Catalogue and engine stand-ins for the model tests: prices, names and
// component data from maps, and a scripted selection run.
#include "model/FurnComp.h"
#include "model/ModelServices.h"
#include "tools/Errors.h"

#include <QMap>
#include <QSet>
#include <functional>

namespace kvtest {

class FakeModelServices : public kv::ModelServices
{
public:
    FakeModelServices() : m_installed(*this) {}

    std::function<void(kv::TkvfFurnComp &)> selection;
    QMap<QString, kv::Money> prices;
    QMap<QString, QString> names;
    QSet<QString> virtualArticles;
    QMap<QString, qint32> images;
    QMap<QString, qint32> colours;
    int selectionRuns = 0;

    void SelectFittings(kv::TkvfFurnComp &c) override
    {
        ++selectionRuns;
        if (selection)
            selection(c);
    }
    kv::Money ArticlePrice(const QString &a) override
    {
        if (!prices.contains(a))
            throw kv::Error(QStringLiteral("В каталоге отсутствуют данные для [%1]!\r\n"
                                           "(Поиск [Наименование] через [Код])").arg(a));
        return prices.value(a);
    }
    QString ArticleName(const QString &a) override
    {
        if (!names.contains(a))
            throw kv::Error(QStringLiteral("В каталоге отсутствуют данные для [%1]!\r\n"
                                           "(Поиск [Наименование] через [Код])").arg(a));
        return names.value(a);
    }
    bool IsVirtualArticle(const QString &a) override { return virtualArticles.contains(a); }
    qint32 ComponentImage(const QString &id) override { return images.value(id, 0); }
    qint32 ComponentScreenColor(const QString &id) override { return colours.value(id, 0xFFFFFF); }

private:
    kv::ScopedModelServices m_installed;
};

} // namespace kvtest
