#pragma once

#include <QString>
#include <QStringList>

namespace velorin {

class Horloge;

// Operating-system services: processes, the system mail interface, opening documents
// and addresses, the computer's name. Tests replace it with a fake.
class Plateforme {
public:
    virtual ~Plateforme() = default;

    // The computer's network name as the system gives it, empty when it cannot be read.
    virtual QString nomOrdinateur() const = 0;
    // Identifier of a running process whose executable name, without extension and
    // compared in upper case, is nomSansExtension; -1 when none runs.
    virtual qint64 chercherProcessus(const QString& nomSansExtension) const = 0;
    virtual bool terminerProcessus(qint64 pid) = 0;
    // Starts a program without waiting for it.
    virtual bool demarrer(const QString& programme, const QStringList& arguments = {}) = 0;
    // Starts a program and waits for its end, letting window events run once a second.
    virtual bool executerEtAttendre(const QString& programme, const QStringList& arguments,
                                    Horloge& horloge) = 0;
    // Hands a message to the user's mail client with its compose window shown.
    virtual bool envoyerMail(const QString& objet, const QString& corps, const QString& a,
                             const QString& copie, const QString& copieCachee) = 0;
    // Opens a document, folder or web address with its default handler.
    virtual bool ouvrir(const QString& documentOuAdresse) = 0;
    // Brings the program's own windows to the front.
    virtual void amenerAuPremierPlan() = 0;
};

class PlateformeSysteme : public Plateforme {
public:
    QString nomOrdinateur() const override;
    qint64 chercherProcessus(const QString& nomSansExtension) const override;
    bool terminerProcessus(qint64 pid) override;
    bool demarrer(const QString& programme, const QStringList& arguments) override;
    bool executerEtAttendre(const QString& programme, const QStringList& arguments,
                            Horloge& horloge) override;
    bool envoyerMail(const QString& objet, const QString& corps, const QString& a, const QString& copie,
                     const QString& copieCachee) override;
    bool ouvrir(const QString& documentOuAdresse) override;
    void amenerAuPremierPlan() override;
};

} // namespace velorin
