#pragma once
// The selection run for one sash: the chosen sets expanded into elements and
// articles, then strike plates, covers and accessories of those articles,
// sorted by article.
#include <QString>
#include <functional>

namespace kv {

class ArticleChooser;
class TkvfConstruction;
class TkvfFurnComp;

struct ProfileColours
{
    QString Outer;
    QString Inner;
};

struct SelectionSettings
{
    // Every element its own item, carrying the history of its derivation.
    bool DebugMode = false;
    // Asked when several articles fit one element; nullptr takes the first.
    ArticleChooser *Chooser = nullptr;
    // The profile colours of the construction's order; none: both empty.
    std::function<ProfileColours(const TkvfConstruction &)> OrderColours;
};

// Fills the composition, which must belong to a sash of a construction.
// Raises kv::Error with the user's text on the first fault; the items added
// so far stay (the composition's Calculate discards them).
bool SelectFittings(TkvfFurnComp &composition, const SelectionSettings &settings);

} // namespace kv
