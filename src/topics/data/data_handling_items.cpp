// DataHandling: the click items of each example with their explanations.
// Each explanation compares the manual unit or method with its computer
// equivalent; the rectangles are the units drawn on the picture.
#include "topics/data/data_handling.h"

namespace orr {

namespace {

using S = QString;

ClickItem item(const char* caption, const char* p1, const char* p2, double x, double y, double w, double h)
{
    return {S::fromUtf8(caption), S::fromUtf8(p1), S::fromUtf8(p2), x, y, w, h};
}

const char* kMainframe1 =
    "The mainframe is the central computer that does the work of a whole office of clerks: it stores the company's "
    "files, runs the processing and serves every terminal at once.";
const char* kMainframe2 =
    "Where a clerk handles one document at a time, the mainframe processes thousands of records a second and keeps "
    "them safe with controlled access and regular backups.";

ClickItems users(int from, int to, const char* p1, const char* p2, const double (*rects)[4])
{
    ClickItems out;
    for (int k = from; k <= to; ++k) {
        const auto& r = rects[k - from];
        out.push_back({QStringLiteral("User %1.").arg(k), S::fromUtf8(p1), S::fromUtf8(p2), r[0], r[1], r[2], r[3]});
    }
    return out;
}

}  // namespace

ClickItems dataHandlingItems(int e, int panel)
{
    switch (e) {
    case 0:
        return {
            item("Desktop",
                 "The clerk's desk is where documents are read, checked and worked on, one at a time.",
                 "In a computer system the desktop is the screen of a workstation: documents open in windows, and "
                 "many can be worked on and put away in seconds.",
                 20, 130, 500, 90),
            item("Company manual",
                 "The company manual sets out the procedures and rules the clerk follows for every kind of document.",
                 "In a computer system the procedures are built into the programs, and help screens replace the "
                 "manual; the rules are applied the same way every time.",
                 20, 50, 120, 60),
            item("Notepad",
                 "The notepad holds rough working and reminders while a job is in progress.",
                 "The computer's equivalent is its main memory (RAM), which holds the data being worked on until it "
                 "is saved.",
                 160, 50, 100, 60),
            item("In tray",
                 "The in tray holds the letters, orders and forms waiting to be dealt with: the input.",
                 "A computer takes its input from keyboards, scanners, files and networks, and queues jobs waiting to "
                 "be processed.",
                 280, 50, 110, 60),
            item("Filing cabinet",
                 "The filing cabinet stores the records in folders, usually in order of name or number, and is "
                 "searched by hand.",
                 "Its computer equivalent is backing store: files on disk, found in a fraction of a second by key "
                 "and copied easily for safe keeping.",
                 540, 120, 130, 110),
            item("Out tray",
                 "The out tray collects finished work: letters, invoices and reports ready to be sent: the output.",
                 "A computer outputs to printers, screens, files and e-mail, and can send the results straight to "
                 "another system.",
                 410, 50, 110, 60),
            item("Calculator",
                 "The clerk uses a calculator for totals, discounts and tax, keying every figure by hand.",
                 "In a computer the processor does the arithmetic: totals are worked out automatically, quickly and "
                 "without keying errors.",
                 540, 50, 130, 60),
        };
    case 1:
        return {
            item("Work Station 'Operator 1.'",
                 "An operator's workstation is a terminal where data is keyed in and enquiries are made, like a clerk's "
                 "desk connected to the central files.",
                 "Several operators can work on the same files at once; the computer keeps their changes apart.",
                 20, 40, 140, 36),
            item("Work Station 'Operator 2.'",
                 "A second data entry terminal: in a manual office another clerk with a copy of the forms.",
                 "Here both operators see the same up-to-date records, which a manual office can only manage by "
                 "passing files from desk to desk.",
                 20, 100, 140, 36),
            item("Work Station 'Operator 3.'",
                 "A third workstation, perhaps used for enquiries from customers by telephone.",
                 "An answer that a clerk would find by walking to the filing cabinet appears on screen in seconds.",
                 20, 160, 140, 36),
            item("Desktop PC 'Administrator'",
                 "The administrator manages the system: user names, passwords, access rights and backups, as an "
                 "office manager controls who may see which files.",
                 "The administrator's PC runs the management tools and receives the system's warnings and logs.",
                 20, 220, 140, 36),
            item("Printer 1.",
                 "A line printer produces long reports, invoices and statements: the typing pool's work done in "
                 "minutes.",
                 "Printed output is still needed for customers and records that must be kept on paper.",
                 540, 40, 140, 36),
            item("Printer 2.",
                 "A second printer, often a laser printer for letters and forms of good quality.",
                 "Jobs for both printers wait in a print queue (spooling) so the computer does not wait for them.",
                 540, 100, 140, 36),
            item("Modem",
                 "The modem connects the computer to the telephone network, replacing the post and the courier for "
                 "sending data to other offices.",
                 "It turns the computer's digital signals into tones the line can carry, and back again.",
                 540, 160, 140, 36),
            item("Hard Disk",
                 "The hard disk is the main backing store: the computer's filing cabinet, holding files on line for "
                 "direct access.",
                 "Any record can be reached in milliseconds by its address, where a clerk would search drawer by "
                 "drawer.",
                 200, 230, 130, 36),
            item("Tape Backing Store",
                 "Magnetic tape holds backup copies and archives, like the boxes of old files kept in the basement.",
                 "Tape is cheap and holds a great deal, but can only be read sequentially, so it is used for security "
                 "copies rather than daily work.",
                 370, 230, 150, 36),
            item("Mainframe Computer", kMainframe1, kMainframe2, 270, 110, 160, 60),
        };
    case 2:
        return {
            item("INPUT",
                 "Input is data entering the system: in an office, the forms and letters arriving in the in tray.",
                 "A computer takes input through keyboards, bar code readers, sensors and files, turning it into "
                 "binary codes.",
                 40, 60, 140, 50),
            item("PROCESSING",
                 "Processing acts on the input: calculating, sorting, comparing and updating records, as a clerk "
                 "works through a pile of forms.",
                 "The computer's processor follows the program's instructions to do the same work, far faster and "
                 "without tiring.",
                 280, 60, 140, 50),
            item("OUTPUT",
                 "Output is the result passed on: the invoices, letters and reports in the out tray.",
                 "A computer outputs to screens, printers, files and networks, in whatever form the user needs.",
                 520, 60, 140, 50),
            item("DATA",
                 "Data is raw facts and figures with no meaning of their own, such as 120604 or 35.",
                 "Whether written on a form or stored as bytes in a file, data only becomes useful once it is "
                 "processed and put in context.",
                 40, 190, 140, 50),
            item("PROCESSING",
                 "In an information system processing gives data its meaning: grouping, totalling and comparing it.",
                 "A manager's clerk might take days to summarise a month's sales; a computer produces the summary "
                 "as soon as it is asked.",
                 280, 190, 140, 50),
            item("INFORMATION",
                 "Information is processed data with meaning, for example 'sales of 35 units on 12/06/04, up 10%'.",
                 "Good information is accurate, up to date and relevant; the computer's speed keeps it current "
                 "where manual reports are often out of date.",
                 520, 190, 140, 50),
        };
    case 3:
        return {
            item("Manual Input Workstation",
                 "At a keyboard workstation an operator types data from documents; every key press is a chance to "
                 "make a mistake.",
                 "Keyed data must be verified, for example by a second operator keying it again, which doubles the "
                 "cost of entry.",
                 20, 40, 180, 56),
            item("Automated Bar Code Reader",
                 "A bar code scanner reads the product number from the pattern of bars in a fraction of a second.",
                 "The check digit in the bar code is tested on every scan, so the data entered is practically free "
                 "of errors, unlike keyed input.",
                 20, 140, 180, 56),
            item("Mainframe Computer", kMainframe1, kMainframe2, 320, 90, 160, 60),
            item("Visually double checking.",
                 "The operator reads the data on the screen and compares it with the source document before "
                 "saving it.",
                 "It is cheap but relies on the operator's attention, so errors are still missed.",
                 10, 250, 220, 36),
            item("Second operator input.",
                 "A second operator keys the same data again and the computer compares the two entries.",
                 "Any difference is shown for correction; this catches most keying errors at twice the cost of "
                 "entry.",
                 240, 250, 220, 36),
            item("Echo back before confirmation.",
                 "The computer repeats the data back, on screen or by voice, and the operator confirms it is "
                 "correct.",
                 "Used for telephone orders and cash machines, it lets the person who supplied the data check it.",
                 470, 250, 220, 36),
        };
    case 4:
        return {
            item("Number of characters.",
                 "A field may need an exact number of characters, such as an 11-digit telephone number.",
                 "A clerk would count by eye; the computer counts every entry and refuses one too long or short.",
                 480, 60, 210, 18),
            item("Format of characters.",
                 "Each field accepts only certain characters: letters in a name, digits in a telephone number.",
                 "This form tests every key as it is pressed and refuses the wrong kind straight away.",
                 480, 80, 210, 18),
            item("Range of data values.",
                 "A value must lie between limits, for example a quantity from 1 to 100.",
                 "A range check catches impossible values that a tired clerk might let through.",
                 480, 100, 210, 18),
            item("Consistency of information.",
                 "Related fields must agree: a delivery date cannot come before the order date.",
                 "The computer can cross-check fields and other records that a clerk would have to look up.",
                 480, 120, 210, 18),
            item("Size or length of data.",
                 "A field has a maximum length: the space on a form, or the characters set aside in a record.",
                 "A length check stops data being cut short or overflowing into the next field.",
                 480, 140, 210, 18),
            item("Date format.",
                 "Dates may be written dd/mm/yyyy or mm/dd/yyyy, so 05/06 can mean two different days.",
                 "The computer tests that a date exists and lies in the allowed period; validation can only show "
                 "that data is reasonable, not that it is correct.",
                 480, 160, 210, 18),
        };
    case 5: {
        static const double inter[][4] = {{40, 40, 140, 36}, {520, 40, 140, 36}, {40, 220, 140, 36}, {520, 220, 140, 36}};
        static const double real[][4] = {{30, 30, 140, 36},  {280, 30, 140, 36},  {530, 30, 140, 36},
                                         {30, 230, 140, 36}, {280, 230, 140, 36}, {530, 230, 140, 36}};
        static const double dist[][4] = {{20, 30, 140, 36},  {190, 30, 140, 36},  {360, 30, 140, 36},
                                         {530, 30, 140, 36}, {100, 230, 140, 36}, {280, 230, 140, 36},
                                         {460, 230, 140, 36}};
        switch (panel % 4) {
        case 0:
            return {
                item("Mainframe Computer", kMainframe1, kMainframe2, 270, 60, 160, 60),
                item("Batch Job 1.",
                     "A batch is a group of similar documents, such as a week's time sheets, collected and processed "
                     "together.",
                     "The computer runs the batch without anyone present, often overnight, as a clerk would work "
                     "through a pile in one session.",
                     40, 210, 140, 40),
                item("Batch Job 2.",
                     "The next job waits in the queue until the first has finished.",
                     "Batch processing uses the computer fully, but results are only as recent as the last run.",
                     280, 210, 140, 40),
                item("Batch Job 3.",
                     "Payroll, bills and bank statements are typical batch jobs.",
                     "Control totals counted by hand are compared with the computer's totals to show that no "
                     "document was lost.",
                     520, 210, 140, 40),
            };
        case 1: {
            ClickItems out{item("Central Interactive Processing",
                                "The central computer answers each user's request as it is made, like a clerk "
                                "serving customers at a counter.",
                                "Users are given turns of processor time so quickly that each seems to have the "
                                "computer to themselves.",
                                250, 110, 200, 60)};
            const ClickItems u = users(1, 4, "A user holds a dialogue with the computer: a question, an answer, the next question.",
                                       "Booking a holiday at a travel agent's terminal is interactive: the answer comes "
                                       "while the customer waits.",
                                       inter);
            out.insert(out.end(), u.begin(), u.end());
            return out;
        }
        case 2: {
            ClickItems out{item("Central Real-time Processing",
                                "A real-time system processes each input at once, so the files always show the true "
                                "state of the world.",
                                "An airline seat sold at one terminal disappears from every other terminal "
                                "immediately; no manual system can do that.",
                                250, 120, 200, 60)};
            const ClickItems u = users(1, 6, "Each user's transaction updates the central files the moment it is made.",
                                       "Seat reservations, cash machines and process control need real-time "
                                       "processing, as a delay would give wrong answers.",
                                       real);
            out.insert(out.end(), u.begin(), u.end());
            return out;
        }
        default: {
            ClickItems out = users(1, 7, "In a distributed system each user's computer does its own processing.",
                                   "Work is shared between the computers of a network instead of one central "
                                   "machine, as branch offices each keep their own books.",
                                   dist);
            out.push_back(item("Central filing system.",
                               "The central filing system holds the files that every computer of the network shares.",
                               "It is the network's filing cabinet: one copy of each file, kept up to date and "
                               "backed up in one place.",
                               275, 130, 150, 50));
            return out;
        }
        }
    }
    default: return {};
    }
}

}  // namespace orr
