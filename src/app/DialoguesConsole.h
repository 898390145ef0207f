#pragma once

#include "app/Dialogues.h"

#include <QStringList>

namespace velorin {

// Dialogs of the command-line tools: messages are written to the error output and
// questions are answered No (nothing is chosen), since nobody can answer them.
class DialoguesConsole : public Dialogues {
public:
    void information(const QString& texte) override;
    void avertissement(const QString& texte) override;
    void erreur(const QString& texte) override;
    bool question(const QString& texte) override;
    Reponse questionAnnulable(const QString& texte) override;
    QString choisirDossier(const QString& invite, const QString& depart) override;
    QString choisirFichierAOuvrir(const QString& titre, const QString& depart, const QString& filtre) override;
    QString choisirFichierAEnregistrer(const QString& titre, const QString& depart, const QString& filtre) override;

    // The error messages shown so far.
    const QStringList& erreurs() const { return erreurs_; }

private:
    QStringList erreurs_;
};

} // namespace velorin
