#pragma once

#include "ui/T_FrmSaisieStd.h"

#include <QColor>
#include <QList>
#include <QSqlRecord>

#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;
class QTextEdit;

namespace velorin {

class Catalogue;
class EditNombre;
class TCadreDetailTVA;
class Tarification;

// Creation or change of one catalogue item: an accommodation, a service or a meal. The
// controls shown depend on the kind; the price is typed in its VAT parts, or per tariff type
// for an accommodation without a single price ("Tarif unique" unticked), or as a plain price
// for a service not subject to VAT. "&OK" saves the item and its tariff rows together; the
// navigator moves among the items of the kind, saving the changes first.
//
//     QSqlRecord ligne = velorin.catalogue().CreerPrestation(typeprest::Hebergement);
//     TFrmPrestation fiche(contexte, typeprest::Hebergement, ligne, true, this);
//     if (fiche.exec() == QDialog::Accepted && fiche.changementPlanning()) ...
class TFrmPrestation : public T_FrmSaisieStd {
    Q_OBJECT
public:
    // ligne comes from CreerPrestation (nouveau) or ModifierPrestation.
    TFrmPrestation(
        ContexteEcrans& contexte, int typePrest, const QSqlRecord& ligne, bool nouveau, QWidget* parent = nullptr);
    ~TFrmPrestation() override;

    static QString titre(int typePrest);

    int typePrest() const { return typePrest_; }
    int identifiant() const;
    bool nouveau() const { return nouveau_; }
    // The item as typed (amounts included); as stored once saved.
    const QSqlRecord& ligne() const { return ligne_; }
    const QList<QSqlRecord>& tarifs() const { return tarifs_; }
    // A save changed something the planning shows: an accommodation, or the colour, its
    // display or the occupancy flag of an item.
    bool changementPlanning() const;
    // True when a control or the tariffs hold a change not saved yet.
    bool modifie() const;

    TCadreDetailTVA* cadreTVA() const { return cadreTVA_; }
    TCadreDetailTVA* cadreTVATarif() const { return cadreTVATarif_; }
    QColor couleur() const { return couleur_; }

    // The colour dialog (a test supplies its own); an invalid colour means cancelled.
    void setChoixCouleur(std::function<QColor(const QColor&)> choix) { choixCouleur_ = std::move(choix); }
    // Double click on the colour panel.
    void choisirCouleur();
    // The check run when the cursor leaves the name field; false puts the cursor back. A
    // name is warned about once.
    bool verifierNom();

protected:
    bool Valider() override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    Catalogue& catalogue() const;
    Tarification& tarification() const;
    void construire();
    void charger(const QSqlRecord& ligne, bool nouveau);
    void chargerTarifs();
    void remplirGrilleTarifs();
    void lierTarifCourant();
    void afficherPrixTarif(int ligne);
    void afficherZonePrix();
    void sansTVAChange(bool sansTVA);
    void appliquerControles(QSqlRecord& ligne) const;
    bool enregistrer();
    void naviguer(const std::function<int(int position, int nombre)>& cible);
    void afficherCouleur();

    int typePrest_;
    QSqlRecord ligne_;
    QSqlRecord origine_;
    bool nouveau_ = false;
    QList<QSqlRecord> tarifs_;
    // The tariff row the tariff frame edits, copied back into tarifs_ on every change.
    QSqlRecord tarifCourant_;
    int ligneTarif_ = -1;
    bool tarifsModifies_ = false;
    QColor couleur_;
    bool couleurChoisie_ = false;
    bool planning_ = false;
    bool enregistre_ = false;
    bool verificationNom_ = false;
    QString nomAverti_;
    std::function<QColor(const QColor&)> choixCouleur_;

    QLineEdit* edNom_ = nullptr;
    QTextEdit* edDescription_ = nullptr;
    QFrame* panelCapacite_ = nullptr;
    QSpinBox* edCapacite_ = nullptr;
    QCheckBox* cbDansPourcent_ = nullptr;
    QFrame* panelProportion_ = nullptr;
    QCheckBox* cbPropNuits_ = nullptr;
    QCheckBox* cbPropPers_ = nullptr;
    QCheckBox* cbAjoutAuto_ = nullptr;
    QFrame* panelPrix_ = nullptr;
    QCheckBox* cbTarifSimple_ = nullptr;
    QLabel* lblPrix_ = nullptr;
    EditNombre* edPrix_ = nullptr;
    QCheckBox* cbOffert_ = nullptr;
    QCheckBox* cbAffCouleur_ = nullptr;
    QLabel* lblCouleur_ = nullptr;
    QFrame* panelCouleur_ = nullptr;
    QCheckBox* cbSansTVA_ = nullptr;
    TCadreDetailTVA* cadreTVA_ = nullptr;
    QLabel* lblTarif_ = nullptr;
    QTableWidget* grilleTarifs_ = nullptr;
    TCadreDetailTVA* cadreTVATarif_ = nullptr;
};

} // namespace velorin
