#pragma once

#include "app/screens/RegistreEcrans.h"
#include "ui/ContexteEcrans.h"

#include <QDate>
#include <QEvent>
#include <QMainWindow>

#include <array>

class QAction;
class QComboBox;
class QLabel;
class QSplitter;
class QTextEdit;
class QToolBar;

namespace velorin {

class T_FrmPI;
class ZoneEcrans;

// The main window: the menus, the toolbar, the multi-site bar, the help panel and the status
// bar around the area of the child screens. It opens each screen at most once, refuses the
// work on the whole data folder while a screen is open, shows the help text of the screen
// last opened, and relays the window messages the screens send (MessagesFenetre.h).
//
// What each menu entry opens is registered in registre() (RegistreEcrans.h explains how);
// an entry nothing is registered for stays disabled.
class TfrmPrincipale : public QMainWindow {
    Q_OBJECT
public:
    // The window keeps its own copy of the context, pointed at itself and its screen area,
    // and gives it to every screen it creates.
    explicit TfrmPrincipale(const ContexteEcrans& contexte, QWidget* parent = nullptr);
    ~TfrmPrincipale() override;

    ContexteEcrans& contexte() { return contexte_; }
    RegistreEcrans& registre() { return registre_; }
    ZoneEcrans* zoneEcrans() const { return zone_; }

    // Does what the menu entry does (the toolbar buttons and the planning at start-up too).
    void ouvrirEntree(EntreeMenu entree);
    // The menu item of an entry ("&Gérer les sites" is a button: nullptr).
    QAction* action(EntreeMenu entree) const;
    QAction* actionPanneauAide() const { return actionAide_; }
    static QString libelle(EntreeMenu entree);
    static QString fichierAide(EntreeMenu entree);

    // The child screens open now, in the screen area's order.
    QList<T_FrmPI*> ecransOuverts() const;
    bool aDesEcransOuverts() const { return !ecransOuverts().isEmpty(); }

    // The site selector: the list of [Sites], the change of site, the sites screen.
    void chargerSites();
    void changerSite(int index);
    void GererSites();
    QString siteCourant() const;

    // The help panel: 180 wide when shown, 0 when hidden.
    bool aideAffichee() const;
    void afficherAide(bool affichee);
    int largeurAide() const;
    // Clears the help text, then loads the program folder's file of that name (nothing
    // when it does not exist).
    void ChargerAide(const QString& fichier);
    QString texteAide() const;

    // Reloads the colour settings, paints the window with them and tells every child screen.
    void AppliquerCouleurs();
    void actualiserBarreStatus();

    static QString titreFenetre();
    // The archive marker of the status bar: empty, "DONNEES ARCHIVEES", or with the period.
    static QString texteArchives(bool archivesAffichees, const QDate& premierJour = {}, const QDate& dernierJour = {});
    static QString cleFenetre() { return QStringLiteral("TfrmPrincipale"); }
    static constexpr int largeurAideParDefaut = 180;

protected:
    bool event(QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    void changeEvent(QEvent* evenement) override;

private:
    void creerMenus();
    void creerBarres();
    void creerPanneauAide();
    void preparerAffichage();
    void restaurerPanneauAide();
    void enregistrerPanneauAide();
    void actualiserEntree(EntreeMenu entree);
    void ouvrirEcran(EntreeMenu entree, const RegistreEcrans::Inscription& inscription);
    T_FrmPI* chercherEcran(const QMetaObject* classe, bool avecFenetresIndependantes) const;
    void amenerAuPremierPlan(T_FrmPI* ecran);
    void transmettre(QEvent::Type message, const QMetaObject* classe = nullptr);
    void selectionnerSiteCourant();
    void Apropos();

    ContexteEcrans contexte_;
    RegistreEcrans registre_;
    std::array<QAction*, nombreEntreesMenu> actions_{};
    ZoneEcrans* zone_ = nullptr;
    QSplitter* separateur_ = nullptr;
    QWidget* panelAide_ = nullptr;
    QTextEdit* texteAide_ = nullptr;
    QAction* actionAide_ = nullptr;
    QToolBar* barreOutils_ = nullptr;
    QToolBar* barreMultisite_ = nullptr;
    QComboBox* cbSites_ = nullptr;
    QLabel* panelDossier_ = nullptr;
    QLabel* panelArchives_ = nullptr;
    int largeurAide_ = largeurAideParDefaut;
    int indexSite_ = -1;
    bool prepare_ = false;
};

} // namespace velorin
