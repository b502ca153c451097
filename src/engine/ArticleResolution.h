#pragma once
// From documentation elements to catalogue articles: the article search over
// FrnArt with the element's test flags, the parts of composite elements, and
// the names of sets.
#include "engine/SashParams.h"

#include <QString>
#include <QtGlobal>

namespace kv {

class ArticleChooser;
struct SashContext;

// What the article search tests. Sizes: FFB, FFH in centimetres; L1, L2 side
// lengths and R1, R2 radii in mm; A a corner angle in degrees. Condition
// chooses which of them limit the search (0 none).
struct ArticleRequest
{
    QString ElementId;
    QString SetName;      // named in the missing strike-plate-system message
    QString StrikeSystem; // the composition's profile system
    QString AlertText;    // replaces the not-found message when not empty
    bool Required = false;
    qint32 Hand = 0;
    quint8 StulpKind = 0;
    bool DefineHandleHeight = false;
    float Width = 0;
    QString Colour;
    float Weight = 0;
    SashParams Params;
    double A = 0, R2 = 0, R1 = 0, L2 = 0, L1 = 0;
    qint32 FFH = 0, FFB = 0;
    qint32 Condition = 0;
};

struct ResolvedArticle
{
    QString Article;
    qint32 HandleHeight = 0;
};

// Finds the element's article. False without raising when the element has
// no FrnArt row at all, or when no row matches and the element is not
// required. Several matching rows go to chooser (nullptr: the first row).
bool ResolveArticle(const ArticleRequest &request, ResolvedArticle &result, ArticleChooser *chooser);

// Adds the parts of a composite element to the sash's composition; nothing
// for an element that is not composite.
void ExpandComposite(const SashContext &context, const QString &elementId, const QString &parentSetId,
                     qint32 parentQuantity, int category, qint32 parentSide);

// The set's name; raises when the set is not documented.
QString GetSetName(const QString &setId);
// True and the name when documented, false and an empty name otherwise.
bool FindSetName(const QString &setId, QString &name);

} // namespace kv
