// The rename journal seen from the window: a batch cut off by a crash at any step, finished
// or taken back at the next start; the undo of the last renaming and of the undo itself.
#include "banc.h"
#include "frmphoto.h"
#include "journalrenommages.h"
#include "lotjournal.h"
#include "outilsfenetre.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <unistd.h>

namespace {

// Names and contents of a folder, as "name=content" sorted by name.
QStringList etat(const QString& dossier) {
    QStringList l;
    for (const QString& n : nomsSurDisque(dossier))
        l.append(n + "=" + Banc::lire(dossier + "/" + n));
    return l;
}

} // namespace

class TstAnnulation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reprise_data();
    void reprise();
    void annulerEtRefaire();
};

void TstAnnulation::reprise_data() {
    QTest::addColumn<int>("faits");
    QTest::addColumn<bool>("coupe");
    QTest::addColumn<bool>("terminer");
    // A chain c -> d, b -> c, a -> b, cut off after each rename, or in the middle of the next
    // one (its new name linked, its old one not yet removed).
    for (int faits = 0; faits <= 3; ++faits)
        for (const bool coupe : {false, true})
            for (const bool terminer : {false, true})
                if (!(coupe && faits == 3))
                    QTest::addRow("%d faits%s, %s", faits, coupe ? " et un coupé" : "",
                                  terminer ? "terminer" : "remettre")
                        << faits << coupe << terminer;
}

void TstAnnulation::reprise() {
    QFETCH(int, faits);
    QFETCH(bool, coupe);
    QFETCH(bool, terminer);
    Banc b;
    const QString d = b.photos();
    for (const char* n : {"a", "b", "c"})
        Banc::creerFichier(d + "/" + n + ".jpg", n);
    // What the batch left: its plan in the journal, some renames made, none recorded.
    QList<Journal::Etape> plan;
    for (const char* n : {"c", "b", "a"})
        plan.append({d + "/" + n + ".jpg", d + "/" + QChar(*n + 1) + ".jpg",
                     *b.fichiers.Identite(d + "/" + n + ".jpg")});
    QVERIFY(JournalRenommages(CheminJournal(b.plateforme)).Commencer(plan));
    for (int k = 0; k < faits; ++k)
        QVERIFY(b.fichiers.Renommer(plan[k].ancien, plan[k].nouveau).ok);
    if (coupe)
        QCOMPARE(::link(QFile::encodeName(plan[faits].ancien).constData(),
                        QFile::encodeName(plan[faits].nouveau).constData()),
                 0);
    b.dialogues.attendreMessage(
        QStringLiteral("Le programme s'est arrêté pendant le renommage des fichiers du dossier "
                       ":\n%1\n\n%2 fichier(s) sur 3 portaient déjà leur nouveau nom.\n\nOui : "
                       "terminer ce renommage\nNon : remettre les anciens noms\nAnnuler : "
                       "décider au prochain lancement")
            .arg(d)
            .arg(faits + (coupe ? 1 : 0)),
        terminer ? Dialogues::Reponse::Oui : Dialogues::Reponse::Non);
    b.dialogues.attendreMessage({});
    FenetreOuverte w(b);
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(etat(d), terminer ? QStringList({"b.jpg=a", "c.jpg=b", "d.jpg=c"})
                               : QStringList({"a.jpg=a", "b.jpg=b", "c.jpg=c"}));
    QCOMPARE(entrees(w.f), nomsSurDisque(d));
    // Done with: the next start asks nothing.
    b.dialogues.effacer();
    FenetreOuverte encore(b);
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstAnnulation::annulerEtRefaire() {
    Banc b;
    FenetreOuverte w(b, {"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
    FrmPhoto& f = w.f;
    const QString d = b.photos();
    auto annuler = [&](const QString& confirmation, const QString& bilan) {
        b.dialogues.attendreMessage(confirmation, Dialogues::Reponse::Oui);
        b.dialogues.attendreMessage(bilan);
        QTest::keyClick(f.focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    };

    // Marks of three files, then a file renamed again and a new file in the way: the undo
    // gives back the name of the one that did not change, and says which it left.
    f.LstFF->selectAll();
    f.LstFF->item(3)->setSelected(false);
    QTest::mouseClick(f.axBM, Qt::LeftButton);
    QVERIFY(QFile::rename(d + "/b.jpg   [M]", d + "/b2.jpg"));
    Banc::creerFichier(d + "/c.jpg", "intrus");
    annuler("Ces 2 fichiers vont retrouver leur ancien nom :\n\na.jpg   [M]   ->   a.jpg\nc.jpg  "
            " [M]   ->   c.jpg\n\nVoulez-vous annuler le dernier renommage ?",
            "Le dernier renommage est annulé : 1 fichier(s) ont retrouvé leur nom.\n\nCes "
            "fichiers ont changé depuis, ou leur nom est pris : ils ont été laissés tels "
            "quels.\n\nb.jpg   [M]\nc.jpg   [M]");
    QCOMPARE(etat(d), QStringList({"a.jpg=a.jpg", "b2.jpg=b.jpg", "c.jpg=intrus",
                                   "c.jpg   [M]=c.jpg", "d.jpg=d.jpg"}));

    // The undo is the last renaming in its turn: undone, the mark comes back.
    annuler("Ce fichier va retrouver son ancien nom :\n\na.jpg   ->   a.jpg   [M]\n\nVoulez-vous "
            "annuler le dernier renommage ?",
            "Le dernier renommage est annulé : 1 fichier(s) ont retrouvé leur nom.");
    QVERIFY(QFile::exists(d + "/a.jpg   [M]"));

    // Ctrl+Z in the name box first takes back what was typed there.
    f.SelectionnerEntree(entrees(f).indexOf("d.jpg"));
    QTest::keyClicks(f.TxtFileName, "x");
    QTest::keyClick(f.TxtFileName, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.TxtFileName->text(), QString("d.jpg"));
    VERIFIER_DIALOGUES(b.dialogues);
}

VIMBRAL_TEST_MAIN(TstAnnulation)
#include "tst_annulation.moc"
