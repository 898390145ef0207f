#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace velorin {

// A sectioned key=value settings file. Sections and keys are matched without regard to
// letter case; every read opens the file anew and every write is stored at once, so that
// two programs sharing the file see each other's changes. No file stays open.
// Text is UTF-8; Booleans are written 1 and 0.
class FichierIni {
public:
    explicit FichierIni(QString chemin);

    const QString& chemin() const { return chemin_; }
    bool existe() const;

    QString lireTexte(const QString& section, const QString& cle, const QString& defaut = {}) const;
    int lireEntier(const QString& section, const QString& cle, int defaut) const;
    bool lireBooleen(const QString& section, const QString& cle, bool defaut) const;
    bool cleExiste(const QString& section, const QString& cle) const;
    // Keys of a section in file order.
    QStringList cles(const QString& section) const;

    bool ecrireTexte(const QString& section, const QString& cle, const QString& valeur);
    bool ecrireEntier(const QString& section, const QString& cle, int valeur);
    bool ecrireBooleen(const QString& section, const QString& cle, bool valeur);
    bool effacerCle(const QString& section, const QString& cle);
    bool effacerSection(const QString& section);

    // In-memory image of the file, for a batch of changes written in one go.
    class Contenu {
    public:
        QString valeur(const QString& section, const QString& cle, bool* trouve = nullptr) const;
        QStringList cles(const QString& section) const;
        void ecrire(const QString& section, const QString& cle, const QString& valeur);
        void effacerCle(const QString& section, const QString& cle);
        void effacerSection(const QString& section);

    private:
        friend class FichierIni;
        struct Ligne {
            QString cle; // empty for a comment or blank line
            QString valeur;
            QString brut;
        };
        struct Section {
            QString nom;
            QList<Ligne> lignes;
        };
        Section* trouver(const QString& section);
        const Section* trouver(const QString& section) const;
        QList<Section> sections_; // the first one, unnamed, holds lines before any header
    };

    // Reads the file, applies the changes and stores it at once.
    bool modifier(const std::function<void(Contenu&)>& changements);

private:
    Contenu lire() const;
    bool enregistrer(const Contenu& contenu);

    QString chemin_;
};

} // namespace velorin
