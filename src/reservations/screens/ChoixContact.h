#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace velorin {

struct ContexteEcrans;

// A guest as the reservation editor takes it: identifier, names and document language.
struct THoteChoisi {
    int Identifiant = -1;
    QString Nom;
    QString Prenom;
    QString Langue;
};

// How the screens that name a guest or a supplier pick or create one: the reservation editor
// (search button, unknown guest at validation), the gift vouchers and the ledger.
class ChoixContact {
public:
    explicit ChoixContact(ContexteEcrans& contexte, QWidget* parent = nullptr);

    // "Rechercher un hôte ou modifier un hôte existant". Without names: the guest list to
    // choose from. With names: the contact bearing both is shown in its edit screen; when none
    // does, the guests bearing the typed name are offered (all of them when none bears it).
    // The guest as stored afterwards, or nothing when no guest was chosen.
    std::optional<THoteChoisi> RechercherHote(const QString& nom, const QString& prenom);

    // A new guest from the typed names: the edit screen with them, stored by its "&OK"; the
    // names as finally typed there, or nothing when cancelled.
    std::optional<THoteChoisi> CreerHote(const QString& nom, const QString& prenom);
    // The unknown guest of a reservation being validated: asks "Cet hôte n'existe pas, voulez-vous
    // le créer ?", then CreerHote; nothing on No or when cancelled.
    std::optional<THoteChoisi> ProposerCreationHote(const QString& nom, const QString& prenom);

    // The supplier list in selection mode: the chosen identifier, or -1.
    int ChoisirFournisseur();
    // A new supplier from a company name: the new identifier, or -1 when cancelled.
    int CreerFournisseur(const QString& societe);

private:
    std::optional<THoteChoisi> relire(int identifiant);

    ContexteEcrans& contexte_;
    QWidget* parent_;
};

} // namespace velorin
