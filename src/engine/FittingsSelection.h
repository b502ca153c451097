#pragma once
// The selection run for one sash: the chosen sets expanded into elements and
// articles, then strike plates, covers and accessories of those articles,
// sorted by article.
#include <QString>

namespace kv {

class ArticleChooser;
class TkvfFurnComp;

struct SelectionSettings
{
    // Every element its own item, carrying the history of its derivation.
    bool DebugMode = false;
    // Asked when several articles fit one element; nullptr takes the first.
    ArticleChooser *Chooser = nullptr;
};

// Fills the composition, which must belong to a sash of a construction; the
// profile colours are those of the construction's order (none without one).
// Raises kv::Error with the user's text on the first fault; the items added
// so far stay (the composition's Calculate discards them).
bool SelectFittings(TkvfFurnComp &composition, const SelectionSettings &settings);

} // namespace kv
