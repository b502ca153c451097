#include "EngineServices.h"

#include "CatalogLookups.h"
#include "CatalogPricing.h"
#include "ElementInfo.h"
#include "core/Setup.h"

namespace kv {

void EngineServices::SelectFittings(TkvfFurnComp &composition)
{
    SelectionSettings settings;
    if (DebugMode)
        settings.DebugMode = DebugMode();
    else if (const TkvfSetup *setup = kvfSetup())
        settings.DebugMode = setup->DebugMode;
    settings.Chooser = Chooser;
    kv::SelectFittings(composition, settings);
}

Money EngineServices::ArticlePrice(const QString &article) { return GetArticlePrice(article, false); }

QString EngineServices::ArticleName(const QString &article) { return GetArticleName(article, false); }

bool EngineServices::IsVirtualArticle(const QString &article) { return IsVirtualArticleCached(article); }

qint32 EngineServices::ComponentImage(const QString &setId) { return GetComponentImage(setId); }

qint32 EngineServices::ComponentScreenColor(const QString &setId) { return GetComponentScreenColor(setId); }

} // namespace kv
