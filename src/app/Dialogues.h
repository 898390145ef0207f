#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

namespace velorin {

// Every message box, question and file or folder choice of the program goes through
// this interface. The program installs the Qt implementation; tests install a scripted one.
class Dialogues {
public:
    enum class Reponse { Oui, Non, Annuler };

    virtual ~Dialogues() = default;

    virtual void information(const QString& texte) = 0;
    virtual void avertissement(const QString& texte) = 0;
    virtual void erreur(const QString& texte) = 0;
    // Yes/No confirmation: true for Yes.
    virtual bool question(const QString& texte) = 0;
    // Yes/No/Cancel confirmation.
    virtual Reponse questionAnnulable(const QString& texte) = 0;
    // Folder chooser; empty when the user cancelled.
    virtual QString choisirDossier(const QString& invite, const QString& depart) = 0;
    // File choosers; filtre uses Qt's "Description (*.ext)" form. Empty when cancelled.
    virtual QString choisirFichierAOuvrir(const QString& titre, const QString& depart,
                                          const QString& filtre) = 0;
    virtual QString choisirFichierAEnregistrer(const QString& titre, const QString& depart,
                                               const QString& filtre) = 0;
    // Colour chooser among all 24-bit colours, opened at depart; an invalid colour when the
    // user cancelled. Dialogs without a colour chooser answer "cancelled".
    virtual QColor choisirCouleur(const QColor& depart)
    {
        Q_UNUSED(depart);
        return {};
    }
};

} // namespace velorin
