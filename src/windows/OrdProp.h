#pragma once
// The order properties dialog: number, date, customer and object, the
// technical choices that new positions inherit, the currency with the
// order's own copy of the rates, the VAT rate and the notes. OK also makes
// the chosen technical values, currency and VAT the defaults of new orders.
#include "model/CurrencyItem.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace kv {

class TDBLookupCombo;
class TNumEdit;
class TkvfOrder;

class TOrderPropDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TOrderPropDlg(QWidget *parent = nullptr);
    ~TOrderPropDlg() override;

    // Shows the dialog for the order. True on OK; priceChanged then tells
    // whether the VAT rate or the currency changed.
    bool Run(TkvfOrder &order, bool &priceChanged);

    // The steps of Run, for callers that show the dialog themselves.
    void Open(TkvfOrder &order);
    // Writes the fields into the order and the settings' defaults; returns
    // whether a setting that affects prices changed.
    bool Apply(TkvfOrder &order);

    // The last-number action of the number field (Ctrl+Enter).
    void ShowLastOrderNo();
    // Reloads the working rates from the currency table.
    void SetCurrentRates();
    // Shows the in-place rate editor over a row of the rate list.
    void EditRate(int row);
    const TkvfCurrencyList &workingRates() const { return m_rates; }

    QTabWidget *Pages;
    QPushButton *OkBut;
    QPushButton *CancelBut;
    // "Реквизиты"
    QLineEdit *OrderNoEdit;
    QCheckBox *RegDateCheck;
    QDateEdit *RegDateEdit;
    QLineEdit *AltOrderNoEdit;
    QLineEdit *CustomerEdit;
    QLineEdit *ObjectNameEdit;
    QLineEdit *AddressEdit;
    QLineEdit *PhonesEdit;
    QLineEdit *RemEdit;
    // "Тех. данные"
    TDBLookupCombo *ProfSysEdit;
    TDBLookupCombo *InnerProfColorEdit;
    TDBLookupCombo *OuterProfColorEdit;
    TDBLookupCombo *FurnSysEdit;
    TDBLookupCombo *FurnColorEdit;
    TDBLookupCombo *HandleEdit;
    TDBLookupCombo *FalzCombo;
    TDBLookupCombo *StulpTypeCombo;
    TDBLookupCombo *DornCombo;
    TDBLookupCombo *OpenTypeCombo;
    TDBLookupCombo *MaterialEdit;
    // "Валюта"
    QComboBox *CurrencyCombo;
    QTreeWidget *ListView;
    TNumEdit *RateEdit;
    QPushButton *CurrencyBut;
    TNumEdit *NDSTaxEdit;
    QComboBox *PriceGrpNoCombo;
    // "Примечания"
    QPlainTextEdit *Memo;
    QPushButton *ClearBut;

public Q_SLOTS:
    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FillRates();
    void FinishRateEdit();
    QString HandleFilter() const;

    TkvfOrder *m_order = nullptr;
    TkvfCurrencyList m_rates; // the dialog's working copy
    QString m_openedNo;
    qint32 m_openedCurrency = 0;
    int m_editRow = -1;
    bool m_rateCancelled = false;
};

} // namespace kv
