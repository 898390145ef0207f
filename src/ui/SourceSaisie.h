#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QVariantMap>

class QWidget;

namespace velorin {

class BaseDonnees;

// The record an OK/Cancel screen edits: its controls show it, the navigator moves among
// the records, OK writes it and Cancel drops the changes.
class SourceSaisie : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Shows the current record in the controls.
    virtual void ouvrir() = 0;
    // True when a control holds a change not yet written.
    virtual bool enEdition() const = 0;
    virtual void editer() {}
    // Writes the changes; throws Erreur.
    virtual void enregistrer() = 0;
    // Puts the controls back to the stored record.
    virtual void annuler() = 0;

    virtual void premier() {}
    virtual void precedent() {}
    virtual void suivant() {}
    virtual void dernier() {}

signals:
    void enregistrementChange();
};

// Records of one table, found by Identifiant, edited through controls bound to its columns:
// line, text and formatted text edits, spin boxes, date edits (ISO dates), check boxes
// (0/1), combo boxes (the text) and group boxes of radio buttons (index of the checked one).
// Moving to another record writes the changes first, as OK does; every write is one
// statement with bound values.
class SourceTable : public SourceSaisie {
    Q_OBJECT
public:
    SourceTable(BaseDonnees& base, QString table, QList<int> identifiants, QObject* parent = nullptr);

    void lier(QWidget* controle, const QString& colonne);

    void ouvrir() override;
    bool enEdition() const override;
    void enregistrer() override;
    void annuler() override;
    void premier() override { aller(0); }
    void precedent() override { aller(position_ - 1); }
    void suivant() override { aller(position_ + 1); }
    void dernier() override { aller(int(identifiants_.size()) - 1); }

    int position() const { return position_; }
    int identifiantCourant() const;
    // The stored value of a column of the current record.
    QVariant valeur(const QString& colonne) const { return stockees_.value(colonne.toLower()); }

    static QVariant valeurControle(const QWidget* controle);
    static void afficherValeur(QWidget* controle, const QVariant& valeur);

private:
    struct Lien {
        QPointer<QWidget> controle;
        QString colonne;
    };
    void aller(int position);
    void lire();

    BaseDonnees& base_;
    QString table_;
    QList<int> identifiants_;
    QList<Lien> liens_;
    int position_ = 0;
    QVariantMap stockees_; // by lower-case column name
};

} // namespace velorin
