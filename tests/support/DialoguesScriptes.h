#pragma once

#include "app/Dialogues.h"

#include <QList>
#include <QQueue>

#include <functional>

namespace velorin::test {

// Answers questions from a script and records every message, without a display.
class DialoguesScriptes : public Dialogues {
public:
    enum class Genre { Information, Avertissement, Erreur, Question, QuestionAnnulable, Dossier, FichierOuvrir, FichierEnregistrer, Couleur };
    struct Message {
        Genre genre;
        QString texte;
    };

    void information(const QString& texte) override;
    void avertissement(const QString& texte) override;
    void erreur(const QString& texte) override;
    bool question(const QString& texte) override;
    Reponse questionAnnulable(const QString& texte) override;
    QString choisirDossier(const QString& invite, const QString& depart) override;
    QString choisirFichierAOuvrir(const QString& titre, const QString& depart, const QString& filtre) override;
    QString choisirFichierAEnregistrer(const QString& titre, const QString& depart, const QString& filtre) override;
    // Records the starting colour (#rrggbb) and answers from couleurs (cancelled when empty).
    QColor choisirCouleur(const QColor& depart) override;

    // Scripted answers, used in order; when empty, questions answer reponseParDefaut and
    // choosers return an empty text (cancelled).
    QQueue<bool> reponses;
    QQueue<Reponse> reponsesAnnulables;
    QQueue<QString> choix;
    QQueue<QColor> couleurs;
    bool reponseParDefaut = true;
    // Called on every message, for tests that act while a message is shown.
    std::function<void(const Message&)> surMessage;

    QList<Message> messages;
    // Texts of the messages (not questions or choosers) shown so far.
    QStringList textes() const;
    QStringList questions() const;
    bool contient(const QString& morceau) const;
    void vider() { messages.clear(); }

private:
    void noter(Genre genre, const QString& texte);
};

} // namespace velorin::test
