#include "CanvasSaveMessages.h"

namespace vexel {
namespace CanvasSaveMessages {

namespace {

// The text of `lang` among the five, English first.
QString pick(int lang, const char* en, const char* fr, const char* de, const char* it,
             const char* ro) {
    switch (lang) {
    case 2:
        return QString::fromUtf8(fr);
    case 3:
        return QString::fromUtf8(de);
    case 4:
        return QString::fromUtf8(it);
    case 5:
        return QString::fromUtf8(ro);
    default:
        return QString::fromUtf8(en);
    }
}

} // namespace

QString title(int lang) {
    return pick(lang, "Error", "Erreur", "Fehler", "Errore", "Eroare");
}

QString nameTooLong(int lang, int bytes, int maxBytes) {
    return pick(lang,
                "The file name is too long: %1 bytes, at most %2 fit. Nothing was saved; "
                "please type a shorter name.",
                "Le nom de fichier est trop long : %1 octets, %2 au plus. Rien n'a été "
                "enregistré ; tapez un nom plus court.",
                "Der Dateiname ist zu lang: %1 Bytes, höchstens %2 sind möglich. Nichts wurde "
                "gespeichert; geben Sie einen kürzeren Namen ein.",
                "Il nome del file è troppo lungo: %1 byte, al massimo %2. Non è stato salvato "
                "nulla; scrivi un nome più corto.",
                "Numele fișierului este prea lung: %1 octeți, cel mult %2. Nu s-a salvat nimic; "
                "scrie un nume mai scurt.")
        .arg(bytes)
        .arg(maxBytes);
}

QString directoryMissing(int lang, const QString& directory) {
    return pick(lang, "The directory %1 does not exist. Nothing was saved.",
                "Le dossier %1 n'existe pas. Rien n'a été enregistré.",
                "Der Ordner %1 existiert nicht. Nichts wurde gespeichert.",
                "La cartella %1 non esiste. Non è stato salvato nulla.",
                "Dosarul %1 nu există. Nu s-a salvat nimic.")
        .arg(directory);
}

QString directoryNotWritable(int lang, const QString& directory) {
    return pick(lang, "The directory %1 is not writable. Nothing was saved.",
                "Le dossier %1 est protégé en écriture. Rien n'a été enregistré.",
                "In den Ordner %1 kann nicht geschrieben werden. Nichts wurde gespeichert.",
                "Nella cartella %1 non si può scrivere. Non è stato salvato nulla.",
                "În dosarul %1 nu se poate scrie. Nu s-a salvat nimic.")
        .arg(directory);
}

QString report(int lang, const QStringList& saved, const QStringList& notSaved) {
    QString text;
    if (!saved.isEmpty())
        text += pick(lang, "Saved:", "Enregistrés :", "Gespeichert:", "Salvati:", "Salvate:") +
                "\n  " + saved.join("\n  ") + "\n";
    if (!notSaved.isEmpty())
        text += pick(lang, "Not saved (an earlier file of the same name is kept):",
                     "Non enregistrés (un fichier antérieur du même nom est conservé) :",
                     "Nicht gespeichert (eine frühere Datei gleichen Namens bleibt erhalten):",
                     "Non salvati (un file precedente con lo stesso nome resta invariato):",
                     "Nesalvate (un fișier anterior cu același nume rămâne neschimbat):") +
                "\n  " + notSaved.join("\n  ");
    return text.trimmed();
}

} // namespace CanvasSaveMessages
} // namespace vexel
