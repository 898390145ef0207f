#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTextDocument;
class QWidget;

namespace velorin {

class ModeleListe;

// A printout: texts put into its named labels, then shown in a preview window from which
// the user prints it.
class Edition {
public:
    virtual ~Edition() = default;
    virtual void definirTexte(const QString& libelle, const QString& texte) = 0;
    virtual void apercu(QWidget* parent) = 0;
};

// The printout of a list as its grid shows it: the title (label "Titre"), then one table of
// the grid's columns and the list's rows, read when the printout is laid out.
class EditionListe : public Edition {
public:
    explicit EditionListe(const ModeleListe& modele);

    static QString libelleTitre() { return QStringLiteral("Titre"); }
    void definirTexte(const QString& libelle, const QString& texte) override;
    const QString& titre() const { return titre_; }

    std::unique_ptr<QTextDocument> document() const;
    // Landscape when the columns would not fit across a portrait page.
    bool paysage() const;
    void apercu(QWidget* parent) override;

private:
    const ModeleListe& modele_;
    QString titre_;
};

} // namespace velorin
