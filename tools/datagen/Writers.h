#pragma once

namespace datagen {

class Output;

/// Card faces and backs: "Karta/Karta0.krt", "Karta/Karta.krt", "Ryb/R90gr.rbk",
/// "Ryb/Ryb0.rbk", "Ryb/Ryb90.rbk" and the card-back thumbnails.
void writeCards(const Output& out);
/// Table backgrounds: "Fon/fon0.pol", "Fon/Fon.pol" and their thumbnails.
void writeBackgrounds(const Output& out);
/// Announcement sheet "Opovechenie/Opov.opv" and suit glyphs "Opovechenie/Mast.mst".
void writeAnnouncements(const Output& out);
/// Intro model "Zastavka.zst".
void writeIntroModel(const Output& out);
/// Sound effects and the voiced phrases of both voices.
void writeSounds(const Output& out);
/// About-box pictures, application icon and hand cursor.
void writePictures(const Output& out);
/// Help page and "mail/mail.htm".
void writePages(const Output& out);

} // namespace datagen
