#pragma once
// The desktop program's answer to several documented articles for one
// element: the list pick dialog over the offered rows. Whatever row is
// current when the dialog closes, by OK or Cancel, is the article taken.
#include "engine/ArticleChooser.h"

namespace kv {

class LookupArticleChooser : public ArticleChooser
{
public:
    static const QString Prompt;  // the explanation above the list
    static const QString Caption; // "Список артикулов"

    void ChooseArticle(TDataSource &source, const ArticleAlternatives &alternatives) override;
};

} // namespace kv
