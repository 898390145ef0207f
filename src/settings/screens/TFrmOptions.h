#pragma once

#include "store/Options.h"
#include "ui/T_FrmSaisieStd.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace velorin {

class EditHeure;
class EditNombre;

// "Options": the guest house's settings of the options record, and the automatic backups
// and network data folder of info.ini, on the pages "Affichage", "Reservations",
// "Sauvegardes", "TVA" and, on a network installation only, "Réseau". The options record is
// created when the table has none. "&OK" checks the entry, saves the columns the screen
// edits and the info.ini keys; closing reloads the options in memory and tells the main
// window to refresh the screens.
//
// Menu entry "&Options": (new TFrmOptions(contexte))->afficherEnfant().
class TFrmOptions : public T_FrmSaisieStd {
    Q_OBJECT
public:
    explicit TFrmOptions(ContexteEcrans& contexte, QWidget* parent = nullptr);

    QTabWidget* pages() const { return pages_; }
    // The record as read on opening.
    const Options& lues() const { return options_; }

    void AppliquerCouleurs() override;

protected:
    bool Valider() override;
    void enregistrerFermeture() override;

private:
    QWidget* page(const QString& onglet, const QString& titre, const QString& nom);
    void construireAffichage();
    void construireReservations();
    void construireSauvegardes();
    void construireTVA();
    void construireReseau();
    void charger();
    void etatsDependants();
    bool refuser(QWidget* controle, const QString& message);
    void choisirDossierSauvegarde();
    void choisirDossierReseau();

    Options options_;
    int frequence_ = 5;

    QTabWidget* pages_ = nullptr;
    QWidget* pageReseau_ = nullptr;
    // Affichage
    QCheckBox* cbOuvrirPlanning_ = nullptr;
    QButtonGroup* rgModeAffPlan_ = nullptr;
    QCheckBox* cbAffRepas_ = nullptr;
    QCheckBox* cbAffCA_ = nullptr;
    QButtonGroup* rgModeCalcCA_ = nullptr;
    QCheckBox* cbCAAvecRes_ = nullptr;
    QCheckBox* cbDimCACom_ = nullptr;
    QCheckBox* cbTxOccFerme_ = nullptr;
    // Reservations
    QCheckBox* cbAvecAcompte_ = nullptr;
    QGroupBox* panelAcompteArrhes_ = nullptr;
    QButtonGroup* rgAcompteArrhes_ = nullptr;
    QGroupBox* panelModeArrhes_ = nullptr;
    QButtonGroup* rgModeArrhes_ = nullptr;
    EditNombre* edPourcentAcompte_ = nullptr;
    EditNombre* edArrhesDefaut_ = nullptr;
    QLabel* lblArrondi_ = nullptr;
    QComboBox* cbArrondi_ = nullptr;
    QSpinBox* edNumFac_ = nullptr;
    QLineEdit* edFormatNumFac_ = nullptr;
    QCheckBox* cbEnrPDF_ = nullptr;
    QCheckBox* cbAffPDF_ = nullptr;
    QLabel* lblDateBloquee_ = nullptr;
    QDateEdit* edDateBloquee_ = nullptr;
    QCheckBox* cbBloqueFact_ = nullptr;
    QComboBox* cbRecRempLib_ = nullptr;
    QComboBox* cbRecRempNat_ = nullptr;
    QCheckBox* cbRecMontantAuto_ = nullptr;
    QButtonGroup* rgModeReserv_ = nullptr;
    EditHeure* edHeureArr_ = nullptr;
    EditHeure* edHeureDep_ = nullptr;
    QComboBox* cbLangueDef_ = nullptr;
    QCheckBox* cbMilieuSej_ = nullptr;
    QSpinBox* edMilieuSej_ = nullptr;
    // Sauvegardes
    QCheckBox* cbFaireSauvegarde_ = nullptr;
    QSpinBox* edNbJours_ = nullptr;
    QSpinBox* edNbFic_ = nullptr;
    QLineEdit* edRepDest_ = nullptr;
    QToolButton* btnRepDest_ = nullptr;
    QCheckBox* cbSauverFermeture_ = nullptr;
    // TVA
    EditNombre* edTaux1_ = nullptr;
    EditNombre* edTaux2_ = nullptr;
    // Réseau
    QLineEdit* edDossierReseau_ = nullptr;
};

} // namespace velorin
