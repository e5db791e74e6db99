// The computer-systems and system-development texts: unit explanations,
// life-cycle stages and the notes of every example.
#include "topics/systems/systems_text.h"

#include <map>

namespace orr {

namespace {

struct Explanation {
    const char* first;
    const char* second;
};

const std::map<QString, Explanation>& explanations()
{
    static const std::map<QString, Explanation> table = {
        // The hardware configuration.
        {"Input", {"Input devices turn data from the outside world into binary codes the computer can process: keyboard, mouse, touch screen, scanner, microphone, camera and sensors.",
                   "Data can also arrive already coded, from a bar code or card reader, or over a network."}},
        {"Central Processing Unit (CPU)", {"The CPU fetches each instruction of a program from main memory, decodes it and executes it, billions of times a second. Its control unit directs the work and its arithmetic and logic unit calculates and compares.",
                                           "Today's processors have several cores, each a complete CPU, so they can run several programs or parts of a program at the same time."}},
        {"Output", {"Output devices turn the results back into a form people or machines can use: screens, printers, speakers, and motors or lamps under computer control.",
                    "Results can also be output to a file or sent over a network to another computer."}},
        {"Main Memory", {"Main memory (RAM) holds the programs that are running and the data they are working on. The CPU reads and writes it directly over the address and data buses.",
                         "RAM is fast but volatile: its contents are lost when the power goes off. A PC today has 8 to 32 Gbytes; a small ROM holds the start-up program."}},
        {"Backing Store", {"Backing store keeps programs and files permanently: solid-state drives, hard disks, memory cards and, for backups, tape and cloud storage.",
                           "It holds far more than main memory and keeps its contents without power, but is slower, so programs and files are loaded into RAM to be used."}},
        // The operating system.
        {"User", {"The user works with application programs through the keyboard, mouse, touch screen or voice, and never needs to know how the hardware does the work.",
                  "Each user logs on with their own account, which decides what they may see and change."}},
        {"Applications", {"Application programs do the user's jobs: word processing, spreadsheets, databases, web browsing, games.",
                          "They ask the operating system for everything involving the hardware, so the same program runs on many different machines."}},
        {"Operating System", {"The operating system is the program that manages the computer: Windows, macOS, Linux, Android and iOS are examples. It is loaded when the computer starts and runs all the time.",
                              "It shares the processor, memory and devices among the programs and users, and gives every application the same way of reaching files, screens and printers."}},
        {"Hardware", {"The hardware is the physical machine: processor, memory, disks, screen, keyboard and network connections.",
                      "Device drivers, small parts of the operating system, know the details of each piece of hardware so that nothing above them has to."}},
        {"Memory management", {"The operating system gives each program its own area of main memory and stops programs from overwriting each other.",
                               "When memory runs short it moves parts of programs out to disk (virtual memory) and back again when they are needed."}},
        {"Processor scheduling", {"Many programs appear to run at once because the operating system gives each in turn a short slice of processor time, or spreads them over the cores.",
                                  "Programs waiting for the user or a disk are set aside so that the processor is never left idle."}},
        {"File management", {"The operating system keeps files in folders on the backing store, records where each one is, and opens, saves, copies and deletes them for the programs.",
                              "It checks permissions so that users can reach only the files they are allowed to."}},
        {"Input and output control", {"Every transfer to or from a keyboard, screen, disk, printer or network goes through the operating system and its device drivers.",
                                      "It queues jobs such as printing (spooling) so that programs can carry on while slow devices work."}},
        {"Security and user accounts", {"The operating system checks each user's name and password, or fingerprint or face, before letting them in.",
                                        "It keeps programs apart, installs security updates and records what happens in a log."}},
        {"User interface", {"The graphical user interface of windows, icons, menus and a pointer, or a touch screen, lets people use the computer without typing commands.",
                            "A command-line interface is still used by technicians and for servers, because commands can be typed quickly and written into scripts."}},
        // Networks.
        {"File Server", {"A server is a computer that provides a service to the others on the network: here it stores the shared files and the users' work, and checks who may use them.",
                         "Keeping the files in one place makes them easy to share and to back up every night."}},
        {"Workstation", {"A workstation is a user's own computer on the network. It runs programs itself and uses the network for shared files, printers and the Internet.",
                         "Each has a network interface card with its own unique MAC address, so that data can be sent to it alone."}},
        {"Network Printer", {"One printer can be shared by the whole office through the network, saving the cost of a printer on every desk.",
                             "Jobs from the workstations wait in a print queue and are printed in turn."}},
        {"Bus cable", {"In a bus network every station is joined to one cable, with a terminator at each end. Data sent by one station passes every other one, and each keeps only what is addressed to it.",
                       "A bus is cheap and simple, but a break in the cable stops the whole network, and the more stations send, the more their data collides."}},
        {"Switch", {"In a star network each station has its own cable to a central switch, which sends each packet only to the station it is addressed to.",
                    "A fault in one cable affects only one station, and stations do not share their bandwidth, which is why almost every office network today is a star."}},
        {"Router", {"A router joins one network to another and forwards each packet on towards its destination, choosing a route from the address it carries.",
                    "At each site the router also acts as a firewall, keeping out traffic that has not been asked for."}},
        {"Head Office LAN", {"The head office has its own local area network, with its servers and most of the company's data.",
                             "A wide area network joins it to the other sites so that everyone works with the same data."}},
        {"Branch Office LAN", {"A branch office has a small LAN of its own, joined to head office by a leased line.",
                               "Its staff use the head office servers almost as quickly as if they were in the same building."}},
        {"Remote Site LAN", {"A smaller site may join the WAN through the public Internet instead of a leased line, which costs much less.",
                             "Its traffic is encrypted in a virtual private network so that nobody on the way can read it."}},
        {"Leased Line", {"A leased line is a private connection rented from a telecommunications company, always on and with a guaranteed speed.",
                         "It is secure and reliable, but it costs far more than an ordinary broadband connection."}},
        {"Public Network (Internet)", {"The Internet is the public network of networks, run by many companies and reaching everywhere.",
                                       "It is cheap to use, but nobody guarantees its speed, and data crossing it must be protected by encryption."}},
        {"Home Worker", {"A home worker connects through their own broadband line and a VPN, and then works as if they were in the office.",
                         "Laptops, video calls and cloud services have made working from home an everyday part of many jobs."}},
        // The telephone network.
        {"Telephone Handset", {"The handset turns speech into an electrical signal and back. A digital phone, or the broadband router it plugs into, turns the speech into packets of binary data.",
                               "In the UK the old analogue lines are being replaced by digital voice carried over the broadband connection."}},
        {"Local Exchange", {"The line from each home runs to a street cabinet and on to the local exchange, over copper, or fibre all the way in newer areas.",
                            "There the traffic joins the operator's fibre network; the exchange no longer sets up calls with switches but passes data packets on."}},
        {"Trunk (Core) Network", {"The core network is a mesh of high-capacity optical fibre linking the exchanges across the country, each fibre carrying many terabits a second.",
                                  "Calls, Internet traffic and television all travel over it as packets of data."}},
        {"International Gateway", {"International gateways link the UK network to those of other countries, mostly through undersea fibre cables.",
                                   "Satellites carry a small part of the traffic, to remote places and ships."}},
        {"Mobile Network", {"The mobile network covers the country with cells, each served by a mast (base station). As a phone moves, its call is handed from one cell to the next.",
                            "The masts are joined to the core network by fibre; 4G and 5G carry voice as data, just like the fixed network."}},
        {"Mobile Phone", {"A mobile phone is a radio transmitter and receiver with a computer inside, identified by its SIM.",
                          "It keeps in touch with the nearest mast so that calls and data can reach it wherever it is."}},
        {"Broadband Router", {"The broadband router joins the home or office network to the Internet over the telephone line or fibre, and usually gives a Wi-Fi network too.",
                              "It shares one public Internet address among all the devices behind it and acts as a firewall."}},
        // The life cycle.
        {"Feasibility Study.", {"The feasibility study asks whether a new system is worth building: is it technically possible, will the benefits outweigh the costs, and can it be ready in time?",
                                "Its report recommends whether to go ahead, and the managers decide."}},
        {"Analysis.", {"The analyst finds out how the present system works and what the users need, by interviews, questionnaires, observation and reading documents.",
                       "The result is a statement of requirements, with data flow diagrams and system flowcharts of the present system."}},
        {"Design.", {"Design decides how the new system will meet the requirements: the inputs, outputs, files or database, processing, user interface and security.",
                     "It also sets out the test plan that will show the system works."}},
        {"Implementation.", {"The programs are written or bought, the hardware installed, the data converted to the new files, and the staff trained.",
                             "The change-over can be direct, in parallel with the old system, in phases or as a pilot in one place first."}},
        {"Testing.", {"Each program, and then the whole system, is tested with normal, boundary and erroneous data following the test plan.",
                      "Finally the users try it in acceptance testing before they agree to take it over."}},
        {"Evaluation and Maintenance.", {"Evaluation compares the working system with its requirements and asks the users whether it does what they need.",
                                         "Maintenance corrects faults, adapts the system to new needs and improves it, until one day a new feasibility study begins the cycle again."}},
        // Flowchart symbols.
        {"Process", {"A rectangle stands for a process: a computer run such as a sort, an update or a validation.",
                     "Its name is written inside: Update Run, Sort Transactions."}},
        {"Input/Output", {"A parallelogram stands for data going in or coming out without saying which device is used.",
                          "It is used when the medium does not matter to the reader of the chart."}},
        {"Document", {"The document symbol, with its wavy bottom edge, stands for a printed report or an input form.",
                      "Source documents, invoices and error reports are drawn with it."}},
        {"Manual Input", {"The sloping top stands for data keyed in by hand, at a keyboard or a terminal.",
                          "It shows where people enter data into the system."}},
        {"Display", {"The display symbol stands for output shown on a screen.",
                     "It is used for enquiries answered on screen and messages to the operator."}},
        {"Online Storage", {"This symbol stands for a file the computer can reach directly at any time, on disk or solid-state storage.",
                            "Master files and databases that are updated or searched online are drawn with it."}},
        {"Magnetic Tape", {"The tape symbol stands for a serial file on magnetic tape.",
                           "Tape is still used for large backups and archives because it holds many terabytes cheaply."}},
        {"Communication Link", {"The lightning arrow stands for data sent over a communication link: a network, a telephone line or the Internet.",
                                "It shows where data passes between sites or computers."}},
        // Processing strategies.
        {"Source Documents", {"Batch processing starts from documents such as time sheets, orders or meter readings collected over a period.",
                              "They are counted and given control totals so that none are lost."}},
        {"Data Preparation", {"The data is keyed in, or scanned, and verified, then stored on a transaction file ready for the run.",
                              "Validation checks reject data that cannot be right before it reaches the master file."}},
        {"Transaction File", {"The transaction file holds the changes to be made to the master file: new orders, payments, hours worked.",
                              "For a serial update it is first sorted into the same key order as the master file."}},
        {"Processing Run", {"The whole batch is processed in one run, usually at night when the computer is not busy, with no one needing to be present.",
                            "Batch runs are efficient for large volumes of data that do not need an answer at once."}},
        {"Reports", {"The run prints or files its results: payslips, bills, statements and summaries for managers.",
                     "Control totals on the reports show that every document was processed."}},
        {"Master File", {"The master file holds the permanent data of the system, such as every customer's account or every employee's pay details.",
                         "Each run brings it up to date with the transactions."}},
        {"Terminal", {"In online processing each user works at a terminal or PC connected to the central computer.",
                      "Each transaction is entered and dealt with at once, while the user waits."}},
        {"Central Computer", {"The central computer processes each transaction as it arrives and answers within seconds.",
                              "It must stop two users changing the same record at once, for example booking the same seat."}},
        {"Database", {"The database always holds the latest data, because every transaction updates it immediately.",
                      "Regular backups and a log of transactions allow it to be restored after a failure."}},
        {"Sensors", {"In real-time control, sensors measure the process continuously: temperature, speed, position, pressure.",
                     "An analogue-to-digital converter turns each measurement into a number for the computer."}},
        {"Control Computer", {"The control computer compares each measurement with what is wanted and works out what to do, many times a second.",
                              "It must always respond in time: a late answer is a wrong answer."}},
        {"Actuators", {"Actuators carry out the computer's decisions: motors, valves, heaters and switches.",
                       "Their effect on the process is measured again by the sensors, closing the feedback loop."}},
        {"Process Being Controlled", {"The process may be an engine, a chemical plant, a set of traffic lights or an aircraft.",
                                      "Real-time systems must be reliable, and many have a second computer ready to take over."}},
        // The file update.
        {"Sort", {"The sort run puts the transactions into the same key order as the master file.",
                  "Then the update can read both files once from start to end, matching each transaction to its record."}},
        {"Old Master File", {"The old master file is read record by record in key order.",
                             "It is not changed by the run, so it remains as a backup: the father of the new master file."}},
        {"Update Run", {"The update run matches transactions with master records, applies the changes and writes every record, changed or not, to the new master file.",
                        "Transactions that cannot be matched or fail the checks are sent to the error report."}},
        {"New Master File", {"The new master file, the son, is the up-to-date file for the next run.",
                             "Keeping the grandfather, father and son generations means any lost file can be rebuilt."}},
        {"Error Report", {"The error report lists the transactions that could not be processed, with the reason.",
                          "They are corrected and entered again in the next run."}},
        {"Backup Copy", {"A copy of the new master file is kept away from the computer, today often in cloud storage.",
                         "With the transaction files it allows the system to be recovered after a fire, a theft or a failure."}},
        // The case study.
        {"Office Network Switch", {"A switch joins every device in the office by Ethernet cable; a Wi-Fi access point adds the laptops and phones.",
                                   "Gigabit Ethernet is fast enough for shared files and scanned documents."}},
        {"Desktop PCs", {"Each member of staff needs a PC with a current processor, 16 Gbytes of RAM and a solid-state drive for quick start-up.",
                         "A large screen helps with photographs of properties and long documents; the negotiators also need laptops to use out of the office."}},
        {"Laser Printer", {"A colour laser printer prints property details and brochures quickly and cheaply per page.",
                           "One networked printer is shared by the whole office."}},
        {"Scanner", {"A scanner, often built into the printer, stores signed contracts and identity documents as files.",
                     "Scanned documents can be found quickly and no longer fill filing cabinets."}},
        {"Backup Drive", {"A backup drive or a cloud backup service keeps a copy of the files every night.",
                          "At least one copy must be kept away from the office, in case of fire or theft, and protected from ransomware."}},
        {"Office Suite", {"An office suite provides word processing for letters and property details, a spreadsheet for figures and presentation software.",
                          "It is bought off the shelf, usually as a yearly subscription, so it is cheap, tested and well supported."}},
        {"Property Database", {"The agency's main system is a database of properties, buyers, sellers and viewings.",
                               "A specialist estate agency package can be bought and tailored, which is cheaper than having one written from scratch."}},
        {"Accounts Package", {"An accounts package records fees, payments, wages and VAT and produces the accounts.",
                              "Many are online services, which keep themselves up to date with the tax rules."}},
        {"Email and Web Browser", {"Email and a web browser keep the agency in touch with clients and the property websites where its houses are advertised.",
                                   "Staff must be trained to spot phishing emails, the commonest way in for attackers."}},
        {"Security Software", {"Anti-malware software and a firewall protect the computers; updates must be installed as soon as they appear.",
                               "Personal data of clients must be kept secure under the data protection law."}},
        {"Backup Software", {"Backup software copies the files automatically on a timetable, so nobody has to remember.",
                             "Restoring a file from the backup should be tried regularly to prove the backups work."}},
    };
    return table;
}

}  // namespace

ClickItem systemsItem(const QString& caption, double x, double y, double w, double h)
{
    ClickItem it{caption, QString(), QString(), x, y, w, h};
    QString key = caption;
    if (key.startsWith(QLatin1String("Workstation")))
        key = QStringLiteral("Workstation");
    const auto found = explanations().find(key);
    if (found != explanations().end()) {
        it.paragraph1 = QString::fromUtf8(found->second.first);
        it.paragraph2 = QString::fromUtf8(found->second.second);
    }
    return it;
}

QString lifeCycleStage(int stage)
{
    static const char* const stages[] = {"Feasibility Study.", "Analysis.", "Design.",
                                         "Implementation.",    "Testing.",  "Evaluation and Maintenance."};
    return QString::fromLatin1(stages[((stage % 6) + 6) % 6]);
}

QString lifeCycleDescription(int stage)
{
    return QString::fromUtf8(explanations().at(lifeCycleStage(stage)).first);
}

void computerSystemsTheory(int e, std::array<QString, 4>& p)
{
    static const char* const theory[5][3] = {
        {"Every computer, from a phone to a supercomputer, has the same parts: input devices, a central processing unit, main memory, backing store and output devices, joined by buses that carry addresses, data and control signals.",
         "The processor can only work on data in main memory, so programs and files are loaded from the backing store into memory to be used, and saved back to it afterwards.",
         "Click over a unit to read what it does."},
        {"The operating system is the layer of software between the hardware and the application programs. It starts when the computer is switched on and manages all the computer's resources.",
         "Its jobs include sharing the processor and memory between programs, managing files, controlling input and output devices, keeping the system secure and giving the user an interface.",
         "Because applications reach the hardware only through the operating system, the same application runs on many different computers."},
        {"A local area network (LAN) joins computers on one site so that they can share files, printers and an Internet connection. The way the stations are joined is the network's topology.",
         "In a bus network every station shares one cable; in a star each station has its own cable to a central switch; in a ring each station passes data on to the next. Press Next Topology to see each, and watch a packet of data travel from a workstation to the file server.",
         "Almost all wired LANs today are stars using Ethernet switches, often with Wi-Fi access points for wireless devices."},
        {"A wide area network (WAN) joins computers and LANs that are far apart, using links provided by telecommunications companies. The Internet is the largest WAN of all.",
         "Routers at each site pass data between the local network and the WAN. Private leased lines give a guaranteed, secure connection at a high price; the public Internet is cheap, and traffic across it is made private with encrypted VPN tunnels.",
         "Click over a site, a router or a link to read more."},
        {"The UK telephone network is now a digital network: speech is turned into binary data and carried in packets over optical fibre, alongside Internet traffic, between the local exchanges, the core network and the international gateways.",
         "Homes reach their exchange over copper or fibre lines that also carry broadband, and the old analogue telephone service is being switched off in favour of digital voice through the broadband router. Mobile phones reach the same core network through the radio cells of the 4G and 5G networks.",
         "Click over each part of the network to see what it does."},
    };
    if (e < 0 || e > 4)
        return;
    for (int k = 0; k < 3; ++k)
        p[std::size_t(k)] = QString::fromUtf8(theory[e][k]);
}

void systemDevelopmentTheory(int e, std::array<QString, 4>& p)
{
    static const char* const theory[6][3] = {
        {"A new computer system is developed in stages, called the system life cycle: feasibility study, analysis, design, implementation, testing, and evaluation and maintenance.",
         "The stages form a cycle because a system is never finished: as the business changes, maintenance grows until a new feasibility study starts the cycle again. Press Next Stage to step round it.",
         "Many projects today work in short repeated cycles (agile development), delivering a part of the system each time, but every cycle still passes through the same stages."},
        {"A system flowchart shows how a whole system works: the documents and inputs, the computer runs, the files they use and the outputs they produce. It does not show the steps inside a program; a program flowchart does that.",
         "Each symbol has a fixed meaning, so any analyst can read another's charts. Click over a symbol to read what it stands for.",
         ""},
        {"The processing strategy is how and when transactions are processed. In batch processing they are collected and processed together later; in online processing each is dealt with as it is entered; in real-time processing the computer responds fast enough to control events as they happen.",
         "The choice depends on how quickly the results are needed and how much data there is. Press Next Strategy to compare the three.",
         ""},
        {"A master file holds the permanent data of a system and a transaction file the changes to it. In a serial update the transactions are sorted into key order and the update run reads both files, writing a new master file and an error report.",
         "The old master file and the transactions are kept, so that the new master can be recreated if it is lost: the grandfather, father and son backup system. Click over each file and run.",
         ""},
        {"Choosing the hardware for a system starts from the requirements found in the analysis: how many users, how much data, what must be printed or scanned, and how it must be kept safe.",
         "For the estate agency, each member of staff needs a computer, the files are kept on a server so that they can be shared and backed up, and the office is linked by a switch and a broadband router. Click over each item to see why it was chosen.",
         ""},
        {"The software needed is chosen in the same way: the operating system, general-purpose packages such as an office suite, specialist packages such as a property database and accounts, and software to keep the system secure and backed up.",
         "Most businesses buy off-the-shelf or tailored packages; bespoke software is written only when nothing available fits. Click over each package to see what it does for the agency.",
         ""},
    };
    if (e < 0 || e > 5)
        return;
    for (int k = 0; k < 3; ++k)
        p[std::size_t(k)] = QString::fromUtf8(theory[e][k]);
}

}  // namespace orr
