#pragma once
// The choice among several documented articles of one element. The desktop
// program shows its list pick dialog, kvf takes the first row with a warning,
// tests use fakes. Whatever row of the data source's table is current when
// ChooseArticle returns is the article taken, also when the user cancelled.
#include <QString>
#include <QStringList>
#include <functional>

namespace kv {

class TDataSource;

struct ArticleAlternatives
{
    QString ElementId;
    QString ElementName;
    QStringList Articles; // CatalogID of every row offered, in list order
};

class ArticleChooser
{
public:
    virtual ~ArticleChooser() = default;
    // source's table shows exactly the rows offered, the first one current.
    virtual void ChooseArticle(TDataSource &source, const ArticleAlternatives &alternatives) = 0;
};

// Leaves the first row current (where a cancelled dialog leaves it) and tells
// warn which element had which alternatives.
class FirstArticleChooser : public ArticleChooser
{
public:
    explicit FirstArticleChooser(std::function<void(const QString &)> warn = {}) : m_warn(std::move(warn)) {}
    void ChooseArticle(TDataSource &source, const ArticleAlternatives &alternatives) override;
    // The warning text for a set of alternatives.
    static QString WarningText(const ArticleAlternatives &alternatives);

private:
    std::function<void(const QString &)> m_warn;
};

} // namespace kv
