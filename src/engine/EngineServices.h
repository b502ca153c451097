#pragma once
// The engine's side of the model's services: the selection run and the
// catalogue lookups the model calls. The programs install one at start-up.
#include "engine/FittingsSelection.h"
#include "model/ModelServices.h"

#include <functional>

namespace kv {

class EngineServices : public ModelServices
{
public:
    // Asked when several articles fit one element; nullptr takes the first.
    ArticleChooser *Chooser = nullptr;
    // The debug flag, read at every run; none: that of the settings object
    // (off without one).
    std::function<bool()> DebugMode;

    void SelectFittings(TkvfFurnComp &composition) override;
    Money ArticlePrice(const QString &article) override;
    QString ArticleName(const QString &article) override;
    bool IsVirtualArticle(const QString &article) override;
    qint32 ComponentImage(const QString &setId) override;
    qint32 ComponentScreenColor(const QString &setId) override;
};

} // namespace kv
