#pragma once
// What the model needs from the layers above it: the selection run that fills a
// composition, and the catalogue lookups and pricing of the engine. The engine
// layer implements this and installs it at start-up; tests install fakes.
#include "tools/Money.h"

#include <QString>

namespace kv {

class TkvfFurnComp;

class ModelServices
{
public:
    virtual ~ModelServices() = default;

    // Runs the fittings selection for the composition's choice and sash; the
    // run adds its items through TkvfFurnComp::AddItem. Errors propagate.
    virtual void SelectFittings(TkvfFurnComp &composition) = 0;

    // Unit price of an article in the active document's currency with the
    // price-group reduction applied; a missing article raises the catalogue error.
    virtual Money ArticlePrice(const QString &article) = 0;
    // Catalogue name of an article; a missing article raises the catalogue error.
    virtual QString ArticleName(const QString &article) = 0;
    // Catalog.Virtual = 1; false for a missing or empty code.
    virtual bool IsVirtualArticle(const QString &article) = 0;

    // FrnComp.Image of a set, 0 when the set is missing.
    virtual qint32 ComponentImage(const QString &setId) = 0;
    // FrnComp.ScrColor of a set, white (0xFFFFFF) when the set is missing.
    virtual qint32 ComponentScreenColor(const QString &setId) = 0;
};

// The installed services; raises an error when none is installed.
ModelServices &modelServices();
// Installs services (not owned); nullptr uninstalls. Returns the previous ones.
ModelServices *setModelServices(ModelServices *services);

// Installs services for the lifetime of the object and puts the previous back.
class ScopedModelServices
{
public:
    explicit ScopedModelServices(ModelServices &services) : m_previous(setModelServices(&services)) {}
    ~ScopedModelServices() { setModelServices(m_previous); }
    ScopedModelServices(const ScopedModelServices &) = delete;
    ScopedModelServices &operator=(const ScopedModelServices &) = delete;

private:
    ModelServices *m_previous;
};

} // namespace kv
