#pragma once

#include "ui/T_FrmRecherchePI.h"

namespace velorin {

// The contact list of one kind: guests ("Liste des hôtes"), external organisations or
// suppliers, with its search fields, sorts, deletion check and edit screen. In selection
// mode another screen picks a contact (ChoisirContact).
//
// The main window keeps one list at a time: opening the list of another kind while one is
// open shows messageAutreGenre(kind of the open list) and brings the open one to the front.
class TFrmClients : public T_FrmRecherchePI {
    Q_OBJECT
public:
    TFrmClients(ContexteEcrans& contexte, int typeContact, QWidget* parent = nullptr);

    int typeContact() const { return type_; }

    // "hôtes", "organismes extérieurs" or "fournisseurs".
    static QString libelleGenre(int typeContact);
    static QString titre(int typeContact);
    // The refusal shown when the list of another kind is asked for while this kind's is open.
    static QString messageAutreGenre(int typeOuvert);

    // Shows only these contacts of the kind (set before the first show).
    void restreindre(const QList<int>& identifiants);

    // The list of the kind in selection mode, modal: the chosen contact's Identifiant, or -1.
    // parmi, when not empty, restricts the list to those contacts; message heads the list.
    static int ChoisirContact(ContexteEcrans& contexte, int typeContact, QWidget* parent, const QList<int>& parmi = {},
        const QString& message = {});

    // The edit screen on the current row (double click outside selection mode).
    void Modifier();

protected:
    void Ajouter() override;
    void Supprimer() override;
    void doubleClicGrille() override { Modifier(); }

private:
    QList<int> identifiantsAffiches();
    void relireSur(int identifiant);

    int type_;
};

} // namespace velorin
