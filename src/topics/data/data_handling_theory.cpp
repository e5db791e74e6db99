// DataHandling: the notes of each example.
#include "topics/data/data_handling.h"

namespace orr {

void dataHandlingTheory(int e, std::array<QString, 4>& p)
{
    switch (e) {
    case 0:
        p[0] = QStringLiteral(
            "Before computers, an office handled its data by hand. Documents arrived in the in tray, a clerk worked "
            "on them at the desk following the company manual, used a notepad and calculator for the working, "
            "filed the records in cabinets and sent the results out through the out tray.");
        p[1] = QStringLiteral(
            "Each of these units has a computer equivalent: input devices, the processor, main memory, backing "
            "store and output devices. Click over a unit to compare the two.");
        break;
    case 1:
        p[0] = QStringLiteral(
            "A computer data handling system links operators' workstations, printers, a modem and backing stores "
            "to a central computer. Data keyed in at any workstation updates the same central files.");
        p[1] = QStringLiteral(
            "The administrator controls who may use the system and makes sure the files are backed up, on disk for "
            "daily work and on tape for security.");
        break;
    case 2:
        p[0] = QStringLiteral(
            "Every computer system takes input, processes it and produces output. Data is the raw facts that go "
            "in; information is the meaningful result that comes out.");
        p[1] = QStringLiteral(
            "An information system is judged by its information: it must be accurate, up to date, complete enough "
            "and relevant to the person who uses it. Wrong data in gives wrong information out.");
        break;
    case 3:
        p[0] = QStringLiteral(
            "Data entry is the slowest and least reliable stage of processing. Keyed input is prone to errors, so "
            "automatic methods such as bar code scanning are used wherever possible.");
        p[1] = QStringLiteral(
            "Verification checks that data has been copied correctly from its source: by a visual check, by "
            "keying it twice and comparing, or by echoing it back for confirmation.");
        break;
    case 4:
        p[0] = QStringLiteral(
            "Validation is done by the computer to check that data is reasonable before it is accepted: the right "
            "kind of characters, the right length, within a range, consistent with other fields, and dates that "
            "exist.");
        p[1] = QStringLiteral(
            "This order form validates each key as it is pressed and refuses one that cannot belong in the field. "
            "The delivery date is checked when you leave the field: it must be a real date at least three days "
            "ahead. Validation cannot prove that data is true, only that it is possible.");
        break;
    case 5:
        p[0] = QStringLiteral(
            "Batch processing collects data and processes it later in one run; interactive processing answers each "
            "user as they work; real-time processing updates the files the moment an event happens.");
        p[1] = QStringLiteral(
            "Distributed processing shares the work between the computers of a network with a central filing "
            "system. Press the button to step through the four methods.");
        break;
    default:
        p[0] = QStringLiteral(
            "Data must be protected against loss from hardware faults, mistakes, fire and theft by regular backup "
            "copies kept away from the computer.");
        p[1] = QStringLiteral(
            "The grandfather, father and son method keeps three generations of master file; incremental backups "
            "copy only what has changed; a full backup copies everything. Press the button to step through them.");
        break;
    }
}

}  // namespace orr
