// Theory texts of the logic family and logic interfacing windows.
#include "topics/families/families_theory.h"

namespace orr {

namespace {

void set(std::array<QString, 4>& p, const char* a, const char* b, const char* c, const char* d = "")
{
    p = {QString::fromUtf8(a), QString::fromUtf8(b), QString::fromUtf8(c), QString::fromUtf8(d)};
}

}  // namespace

void familiesTheory(int e, std::array<QString, 4>& p)
{
    switch (e) {
    case 0:
        set(p,
            "Diode logic builds gates from nothing but diodes and resistors. In the AND gate each input drives the "
            "cathode of a diode whose anode meets the pull-up resistor R1. A low input makes its diode conduct, so "
            "the output sits one diode drop, about 0.6V, above 0V. Only when every input is high are all the diodes "
            "reverse biased, and the output rises to the level set by R1 and the load: 5V × 10k / (5k + 10k) = "
            "3.33V.",
            "The OR gate turns the diodes round and pulls its output down through R2. Any high input forward biases "
            "its diode and lifts the output to 5V less one diode drop, 4.4V; with every input low the output rests "
            "at 0V.",
            "Diode gates lose a diode drop at every stage and cannot drive much load, so they cannot be cascaded "
            "far. Their resistors also charge the stray capacitance of the wiring slowly, rounding the edges of the "
            "switching waveform. Diode gates are still found as simple glue logic and in the input stages of the "
            "families that follow.");
        break;
    case 1:
        set(p,
            "Diode-transistor logic adds a transistor to the diode AND gate and so gives a NAND gate with a properly "
            "restored output level. The input diodes D1 and D2 form the AND; D3 and D4 shift the level so that the "
            "transistor T1 only turns on when both inputs are high.",
            "With either input low the junction of the diodes is held near 0.6V, too little to pass current through "
            "D3, D4 and the base-emitter junction of T1. T1 is reverse biased and off, and R3 pulls the output up to "
            "5V. With both inputs high R1 drives current through D3 and D4 into the base: T1 is forward biased, "
            "saturates and pulls its collector, the output, down to logic 0.",
            "DTL was one of the first integrated logic families. Its noise margin is good because of the level "
            "shifting diodes, but the base charge of T1 can only leave through R2, so it is slow to turn off. TTL "
            "replaced it, though the same idea still appears in discrete designs.");
        break;
    case 2:
        set(p,
            "Transistor-transistor logic replaces the input diodes with the multi-emitter transistor T1. With either "
            "emitter low, T1 conducts into that input and its base sits near 0.6V, so T2 receives no base current. "
            "T2 is off, its collector rises towards 5V and turns the upper output transistor T3 on, while T4 has no "
            "base drive: the output is high.",
            "With both inputs high T1's base-collector junction conducts into T2's base. T2 turns on, its emitter "
            "drives T4 into saturation and its collector falls to about 1V, too low for T3 to conduct through the "
            "diode D3. The output is pulled low by T4: the gate is a NAND gate.",
            "The totem-pole output drives the load actively in both directions, so TTL switches fast (around 10ns "
            "per gate for standard parts) and each output can drive about ten inputs. It needs a well regulated 5V "
            "supply and draws a few milliwatts per gate.",
            "The 74 series of TTL gates became the standard building block of digital design. Its low-power "
            "Schottky versions are still made, and many CMOS families copy its pin-outs and logic levels.");
        break;
    case 3:
        set(p,
            "Emitter coupled logic never lets its transistors saturate. The input transistors T1 and T2 share an "
            "emitter resistor R2 with the reference transistor T3, whose base is held at Vref = -1V. The current "
            "through R2 is steered to whichever side has the higher base voltage.",
            "When an input is at logic 1 (-0.6V) it is above Vref, so its transistor takes the current, about 3mA, "
            "and T3 is biased off. The current through R1 pulls the common collector down to about -1V, and the "
            "emitter follower T4 gives an output one base-emitter drop lower, -1.6V or logic 0. With both inputs at "
            "-1.6V, T3 takes the current, the common collector rises to 0V and the output to -0.6V: a NOR gate.",
            "The emitters sit at the base voltage less 0.6V; the drop across R2 from the -5V rail follows the "
            "current, which is why the line for VR2 ends at the emitter node voltage.",
            "Because the transistors stay out of saturation ECL is the fastest bipolar family, with delays of one "
            "nanosecond or less, but it draws current all the time and its small logic swing leaves little noise "
            "margin. It is used in high speed communications and test equipment.");
        break;
    case 4:
        set(p,
            "Integrated injection logic packs a gate into very little silicon. Each gate is a multi-collector NPN "
            "transistor whose base is fed by a PNP current source, the injector (T1 and T2 here), all sharing one "
            "injector rail.",
            "When an input is LOW, the switch holds its base at 0V and the injected current flows away through the "
            "input: that transistor is off. When the input is HIGH the injected current flows into the base and the "
            "transistor turns on. Collectors wired together form a NOR gate: the output is pulled HIGH by the "
            "external resistor only while both inputs are LOW, and pulled LOW by T3 or T4 otherwise.",
            "I²L runs on very low supply voltages and currents, and speed can be traded for power simply by changing "
            "the injector current. Its density made it popular for watches, calculators and mixed analogue and "
            "digital chips before CMOS took over.");
        break;
    case 5:
        set(p,
            "MOS logic uses field-effect transistors, controlled by the voltage on an insulated gate, so the inputs "
            "draw almost no current. N-channel gates use a depletion transistor as the load in place of a resistor "
            "(T1 and T4 here) because it takes far less silicon.",
            "In the NAND stage the driver transistors T2 and T3 are in series: the output is pulled low only when "
            "both conduct, that is when both inputs are high. In the NOR stage T5 and T6 are in parallel, so either "
            "input high pulls the output low. A conducting transistor is shown light red, one that is cut off grey.",
            "While the output is low current flows from the load through the drivers, so NMOS gates use power all "
            "the time the output is low, and the load transistor charges the output slowly. NMOS was the technology "
            "of the early microprocessors and memories.");
        break;
    case 6:
        set(p,
            "Complementary MOS pairs every N-channel transistor with a P-channel one. In the NAND function the "
            "P-channel T1 and T2 are in parallel from 5V and the N-channel T3 and T4 in series to 0V; an input high "
            "turns its N-channel transistor on and its P-channel transistor off. The output is low only when both "
            "inputs are high.",
            "The inverter and buffer T5 and T6 turn the NAND into AND and give the output its full drive. In every "
            "steady state one transistor of each path is off, so no current flows from 5V to 0V.",
            "CMOS therefore draws power only while it switches, charging and discharging the capacitance it drives. "
            "It works from supplies of 3V to 15V, has a noise margin of nearly half its supply and is the technology "
            "of almost every digital chip made today, from gates to microprocessors.");
        break;
    default: p = {}; break;
    }
}

void interfacingTheory(int e, std::array<QString, 4>& p)
{
    switch (e) {
    case 0:
        set(p,
            "A logic output can supply only a few milliamps, far too little for a buzzer, lamp or motor. A buffer "
            "stage uses the logic output to switch a transistor, which carries the load current from its own "
            "supply.",
            "Here a Schmitt inverter drives a Darlington pair through R1. With the Schmitt input at 0 its output is "
            "at 5V; the Darlington's two base-emitter junctions hold its base at 1.4V, so R1 has 5V - 1.4V = 3.6V "
            "across it, which sets the base current. The pair's very high current gain lets that small current "
            "switch the warning device WD1 fully on.",
            "The Schmitt trigger gives a clean, fast edge even from a slowly changing or noisy input, so the "
            "transistor never lingers half on, where it would dissipate heat.");
        break;
    case 1:
        set(p,
            "A relay lets a logic circuit switch mains or other high-power circuits while staying electrically "
            "isolated from them. Its coil needs more current and often a higher voltage than a gate can give, so a "
            "transistor driver is used.",
            "The NAND gate's output is 1 unless both inputs are 1. A 1 drives base current through R1 into T1, "
            "which saturates and energises the coil of RLA 1, closing the relay contacts. With both inputs at 1 the "
            "gate output is 0, T1 turns off and the contacts open.",
            "When the coil current is switched off its magnetic field collapses and the coil produces a high "
            "reverse voltage. The diode across the coil gives that current a path and protects the transistor.");
        break;
    case 2:
        set(p,
            "CMOS logic may run from any supply between 3V and 15V, while TTL expects 0V and 5V levels. Connecting a "
            "15V CMOS output to a TTL input would destroy it, so a level shifter is needed.",
            "Transistor T1 takes its base current through R1 from the CMOS output. Its base is held at 0.6V, so the "
            "voltage across R1 is the input voltage less 0.6V and the base current is VR1 / 1000: 2.40mA from a 3V "
            "output, 14.40mA from 15V. Either is enough to saturate T1, whose collector, pulled up to 5V by R2, then "
            "gives a proper TTL level.",
            "The stage inverts the signal; a second inverter, or inverting the logic, restores the sense. The same "
            "idea, often with an open-collector buffer, joins logic families of different voltages.");
        break;
    case 3:
        set(p,
            "A Schmitt trigger switches at two different thresholds, so a single Schmitt inverter, a resistor and a "
            "capacitor make a clock pulse generator. While the output is high C1 charges through R1; when the "
            "capacitor voltage reaches the upper threshold the output goes low and C1 discharges until the lower "
            "threshold switches it high again.",
            "The capacitor voltage therefore ramps up and down between the thresholds, and the output is a square "
            "wave. The time to charge and discharge is proportional to R1 × C1, so the frequency is roughly "
            "1 / (R1 × C1): 71.43Hz for 56k and 250nF, 0.10Hz for 10M and 1µF.",
            "Without the hysteresis of the Schmitt input the inverter would settle at its switching point and "
            "oscillate erratically. Such RC oscillators are cheap and simple, but their frequency drifts with "
            "temperature and supply, so a crystal oscillator is used where accuracy matters.");
        break;
    default: p = {}; break;
    }
}

}  // namespace orr
