#pragma once

#include "store/Disposition.h"
#include "ui/T_FrmSaisieStd.h"

#include <QMap>

class QTableWidget;

namespace velorin {

// "Paramétrage des couleurs": the 21 colour settings under their group headings, each with
// its swatch. "&Modifier" (or a double click) picks a colour for the selected row, "&Defaut"
// puts back the defaults; OK refuses the combinations that would hide information, stores
// the colours and tells the main window, which repaints every screen.
class TFrmParamCouleurs : public T_FrmSaisieStd {
    Q_OBJECT
public:
    explicit TFrmParamCouleurs(ContexteEcrans& contexte, QWidget* parent = nullptr);

    // The colours being edited, written only by OK.
    const TCouleurs& copieTravail() const { return travail_; }
    // Number of the selected colour, −1 when none.
    int selection() const { return selection_; }
    void selectionner(int numero);
    // Row of the grid that shows a colour, −1 when it is not listed.
    int ligneDe(int numero) const { return static_cast<int>(numeros_.indexOf(numero)); }
    QTableWidget* grille() const { return grille_; }
    // The colour a row's swatch shows; invalid when the colour is not listed.
    QColor couleurEchantillon(int numero) const;

    void Modifier();
    void Defaut();

    // The sentences of the rules a set of colours breaks, in order; empty when it may be stored.
    static QStringList raisonsRefus(const TCouleurs& valeurs);

    void AppliquerCouleurs() override;

protected:
    bool Valider() override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void deplacer(int sens);
    void peindreLignes();
    void peindreEchantillon(int numero);

    TCouleurs travail_;
    QList<int> numeros_; // colour number of each row, −1 for a heading
    QMap<int, QWidget*> echantillons_;
    int selection_ = -1;
    QTableWidget* grille_ = nullptr;
};

} // namespace velorin
