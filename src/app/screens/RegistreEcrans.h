#pragma once

#include "ui/ContexteEcrans.h"

#include <QMetaObject>

#include <array>
#include <functional>

namespace velorin {

class T_FrmPI;

// Every entry of the main window's menus, in menu order, and the "&Gérer les sites" button.
enum class EntreeMenu {
    // "&Paramétrages"
    Hebergeur,
    TypesTarifs,
    Hebergements,
    Prestations,
    Repas,
    JoursFeries,
    ModesPaiement,
    CalculCommissions,
    ParamCouleurs,
    Messagerie,
    Traductions,
    Options,
    // "&Contacts"
    Hotes,
    Organismes,
    Fournisseurs,
    Etiquettes,
    EnvoiMail,
    // "&Séjours"
    Planning,
    Reservations,
    PlanningMenus,
    BonsCadeaux,
    EditionPlanning,
    PlanningInternet,
    // "&Flux financiers"
    Factures,
    Recettes,
    Depenses,
    // "&Editions"
    BilanActivite,
    HotesParPays,
    DureeSejour,
    ListeCommissions,
    RepartitionOrigine,
    ComparaisonAnnees,
    RegistreLogeur,
    // "&Utilitaires"
    Sauvegarde,
    ChargementSauvegarde,
    Reindexation,
    MiseAJour,
    Archivage,
    // The button of the multi-site bar.
    GererSites,
};
inline constexpr int nombreEntreesMenu = static_cast<int>(EntreeMenu::GererSites) + 1;

// Property the main window gives each screen it opens: the EntreeMenu (as int) that opened
// it. The lists that serve several kinds (catalogue, contacts) are told apart by it; a
// screen opened some other way may set it itself.
inline constexpr char proprieteEntreeMenu[] = "entreeMenu";

// What each menu entry opens. An entry nobody registered is shown disabled.
//
// Registering a screen is one line in enregistrerEcransMenu() (EcransMenu.cpp):
//     registre.enfant<TFrmTypesTarifs>(EntreeMenu::TypesTarifs);            // child screen
//     registre.enfant<TFrmPrest>(EntreeMenu::Repas, 2);                     // arguments after the context
//     registre.modal<TFrmEditPlanning>(EntreeMenu::BilanActivite, 0);        // modal dialog, exec()
//     registre.action(EntreeMenu::PlanningInternet, [](ContexteEcrans& c) { publier(c); });
//     registre.enfantAvec<TFrmPlanning>(EntreeMenu::Planning, [](ContexteEcrans& c) { return new TFrmPlanning(c); });
// The screen's constructor takes the context first: Ecran(ContexteEcrans&, arguments...).
// A factory given to enfantAvec / modalAvec may return nullptr: nothing opens (it has told
// the user why).
//
// The main window keeps the rules of its menus whatever is registered: one screen of a class
// at a time (brought to the front and restored to normal size), the messages of the lists
// that serve several kinds, the entries refused while a child screen is open (their screen
// runs with the data folder's database closed, reopened once it returns), the help text of
// each entry, the planning's precondition.
class RegistreEcrans {
public:
    using Fabrique = std::function<T_FrmPI*(ContexteEcrans&)>;
    using Action = std::function<void(ContexteEcrans&)>;
    enum class Mode { Enfant, Modal, Action };

    struct Inscription {
        Mode mode = Mode::Enfant;
        // The class of the screen: at most one open at a time.
        const QMetaObject* classe = nullptr;
        Fabrique creer;
        Action executer;
    };

    // A child screen of the main window, created as new Ecran(contexte, arguments...).
    template <class Ecran, class... Arguments> void enfant(EntreeMenu entree, Arguments... arguments)
    {
        inscrire(entree,
            {Mode::Enfant, &Ecran::staticMetaObject,
                [=](ContexteEcrans& c) -> T_FrmPI* { return new Ecran(c, arguments...); }, {}});
    }
    template <class Ecran> void enfantAvec(EntreeMenu entree, std::function<Ecran*(ContexteEcrans&)> creer)
    {
        inscrire(entree,
            {Mode::Enfant, &Ecran::staticMetaObject, [creer](ContexteEcrans& c) -> T_FrmPI* { return creer(c); }, {}});
    }

    // A modal dialog, shown with exec() and freed when it returns.
    template <class Ecran, class... Arguments> void modal(EntreeMenu entree, Arguments... arguments)
    {
        inscrire(entree,
            {Mode::Modal, &Ecran::staticMetaObject,
                [=](ContexteEcrans& c) -> T_FrmPI* { return new Ecran(c, arguments...); }, {}});
    }
    template <class Ecran> void modalAvec(EntreeMenu entree, std::function<Ecran*(ContexteEcrans&)> creer)
    {
        inscrire(entree,
            {Mode::Modal, &Ecran::staticMetaObject, [creer](ContexteEcrans& c) -> T_FrmPI* { return creer(c); }, {}});
    }

    // Work without a screen of its own.
    void action(EntreeMenu entree, Action executer)
    {
        inscrire(entree, {Mode::Action, nullptr, {}, std::move(executer)});
    }

    // A later registration of an entry replaces the earlier one.
    void inscrire(EntreeMenu entree, Inscription inscription);
    // nullptr when the entry has nothing registered.
    const Inscription* trouver(EntreeMenu entree) const;
    bool estInscrite(EntreeMenu entree) const { return trouver(entree) != nullptr; }

    // Called after each registration (the main window enables the entry's menu item).
    std::function<void(EntreeMenu)> surInscription;

private:
    std::array<Inscription, nombreEntreesMenu> inscriptions_{};
};

// The screens the menus open, registered once when the main window is created.
void enregistrerEcransMenu(RegistreEcrans& registre);

} // namespace velorin
