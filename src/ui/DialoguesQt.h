#pragma once

#include "app/Dialogues.h"

class QWidget;

namespace velorin {

// The program's dialogs, with Qt message boxes and file dialogs.
class DialoguesQt : public Dialogues {
public:
    void information(const QString& texte) override;
    void avertissement(const QString& texte) override;
    void erreur(const QString& texte) override;
    bool question(const QString& texte) override;
    Reponse questionAnnulable(const QString& texte) override;
    QString choisirDossier(const QString& invite, const QString& depart) override;
    QString choisirFichierAOuvrir(const QString& titre, const QString& depart, const QString& filtre) override;
    QString choisirFichierAEnregistrer(const QString& titre, const QString& depart, const QString& filtre) override;
    QColor choisirCouleur(const QColor& depart) override;

private:
    static QWidget* parent();
};

} // namespace velorin
