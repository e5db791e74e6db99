// ComputerProgramming: the notes of the ten examples.
#include "topics/programming/computer_programming.h"

namespace orr {

void computerProgrammingTheory(int e, std::array<QString, 4>& p)
{
    switch (e) {
    case 0:
        p[0] = QString::fromUtf8("A computer program is a list of instructions or commands which the computer hardware follows in order to execute a defined task. In this simple example to show a program structure, a user inputs two numbers, the program adds them together and prints the result (assume all inputs are made from the keyboard and all outputs are to the computer screen).");
        p[1] = QString::fromUtf8("The person who writes the list of instructions is called a programmer and the set of rules used is called the programming language. The computer program follows the list of instructions and electronically changes the various logic states in the computer hardware to produce the desired output.");
        p[2] = QString::fromUtf8("On the left of the diagram is the flow diagram which is a graphical means of designing the computer program using standard symbols. This is then coded into the computer program by the programmer as a series of instructions, which are followed sequentially from start to finish when the user types the command 'RUN'. In its simplest form (without the program loop) the program asks for two inputs, adds them and prints the results.");
        p[3] = QString::fromUtf8("Taking a more practical approach a program loop is included which forces the program to return to the beginning to enable a further pair numbers to be input. A problem here is that this sequence of events must continue forever as there is no way of breaking out of the program loop, also both inputs have to be repeated each time, even if one or both never change.");
        break;
    case 1:
        p[0] = QString::fromUtf8("Numeric constants are data values that never change throughout a program, nevertheless they need to be included as a fixed value variables. The best example is the value of pi 3.141592654. Constants can also be strings of characters, a company name for example. Peoples names are not a good example as they are likely to be changed as employees for example move around.");
        p[1] = QString::fromUtf8("Constants are hard coded into the program and requires rewriting of program code for them to be changed. ");
        p[2] = QString::fromUtf8("This programming example introduces one of the best features of computing, the ability to perform calculations on variables. For this piece of code to be of any use, it needs the loop featured in the previous example to be included, otherwise it will only allow one calculation, which is no better than a programmable calculator.");
        p[3] = QString::fromUtf8("Click on each feature of the program, in the flow diagram and in the program code, for a fuller explanation of what it does.");
        break;
    case 2:
        p[0] = QString::fromUtf8("Variables are memory locations used to store values; they consist of a name and the data they contain. The data type of a variable determines how the bits representing those values are stored in the computer's memory. When you declare a variable either with a DIM statement or as a constant you can also supply a data type for it.");
        p[1] = QString::fromUtf8("A variable used to store a person's name should be represented as a string data type, because a name is always composed of characters. Numeric type variables are used for manipulating numbers. The numeric data types are Integer, Long, Single, Double and Currency.");
        p[2] = QString::fromUtf8("If you know that a variable will always store whole numbers rather than numbers with a fractional part, declare it as an Integer or Long type. Operations are faster with integers, and these consume less memory than other types. Integers are especially useful as the counter variables in For...Next loops. If the variable contains a fraction, declare it as a Single, Double, or Currency variable. The Currency data type supports up to four digits to the right of the decimal separator and fifteen digits to the left; it is an accurate fixed-point data type suitable for monetary calculations. Floating-point (Single and Double) numbers have much larger ranges than Currency, but can be subject to small rounding errors.");
        p[3] = QString::fromUtf8("If you have a variable that will always contain a string of characters and never a 'numeric value', you can declare it to be of type String: By default, a string variable or argument is a variable-length string; the string grows or shrinks as you assign new data to it. You can also declare strings that have a fixed length. Each character occupies one memory location.");
        break;
    case 3:
        p[0] = QString::fromUtf8("Strings of characters are those that appear as text. Short strings are those used for names and longer strings are used for paragraphs and blocks of text. A character can be either an alpha or numeric character. Variables used to store strings must be declared as that type.");
        p[1] = QString::fromUtf8("Character strings which contain numeric data cannot be operated upon directly for mathematical calculations and must be converted using one of the numeric functions.");
        p[2] = QString::fromUtf8("Within the computer memory each character is contained in an eight bit word (byte) which means that long strings can occupy large amounts of memory. Its useful to be able to mentally picture how the data is stored in the memory as it makes manipulating string operations so much easier.");
        p[3] = QString::fromUtf8("As we shall see strings of characters can be operated upon to cut them up, or extract groups of characters from within a much longer string.");
        break;
    case 4:
        p[0] = QString::fromUtf8("Handling strings of characters in program code is an extremely powerful feature, especially as computers tend to be considered as number cruncher's performing mathematical operations. A character string is any group of ASCII symbols grouped together; this paragraph is stored in your computer memory and on your hard disk as a character string. In a word processor when you cut and paste a word in a sentence you are performing a character string operation. Thankfully this complex task is handled by the software.");
        p[1] = QString::fromUtf8("Taking a simple example to explain the principle, we introduce you to three string handling functions. Left, Mid and Right. There are several others but this is sufficient for now. A function is a piece of self contained program code which accepts a value or quantity or string as an 'argument', performs an operation and returns a result. Arguments are usually enclosed in brackets after the function name.");
        p[2] = QString::fromUtf8("Each character in a string has two properties, its numeric value represented by the ASCII code and its position in the string. When performing string operations we are not usually concerned with the actual character itself, just its position. Except when formatted as 'comma delimited' when each comma acts as a separator for a group of characters.");
        p[3] = QString::fromUtf8("Character strings are also used for serial files. Which contain a BOF (Beginning of File) code pattern followed by the 'data string' and ending with EOF (End of File) code pattern.");
        break;
    case 5:
        p[0] = QString::fromUtf8("Much of computer programming is about taking specific types of action based upon a conditional test. A simple conditional test results in 'DO THIS or DO THAT' there are no other choices one of two actions must be taken. To do nothing is not an option in this situation.");
        p[1] = QString::fromUtf8("In this first example we are concerned with a TRUE or FALSE condition which is based on the value of an expression. Say an order-processing department where customer requests are dealt with immediately in real time. Our YES/NO test states that 'if the order was placed on a previous day' then it's been processed and ready for printing. If today's date then process the order and print on the delivery schedule.");
        p[2] = QString::fromUtf8("The If...Then conditional branch is found in most programming languages in one form or another. Tests are made on an expression 'If the value returned is TRUE' then take some specific action. Otherwise continue with next instruction.");
        p[3] = QString::fromUtf8("");
        break;
    case 6:
        p[0] = QString::fromUtf8("The purpose of this program fragment is to show the use of the Select Case Statement block. This is a common program operation, found in many programming languages.");
        p[1] = QString::fromUtf8("This simple example is asking the user to input a principal monetary value and will determine the additional interest to be paid on that loan. Basically the more you borrow the higher the rate of interest. This may or may not be true in reality, but it's a useful concept for us to explore.");
        p[2] = QString::fromUtf8("Which 'Case Statement' is evaluated depends upon the result on the first line. We have chosen to divide the principal by one thousand just to illustrate the point. Each case line is the result of a Boolean TRUE or FALSE decision. If the output is true then evaluate that line in the corresponding statement block which is a self contained 'Computer Process', probably a subroutine then Exit the Select Case block.");
        p[3] = QString::fromUtf8("Other tests further down the decision chain may still evaluate to TRUE, but they are ignored and must be picked up in additional case statements if important.");
        break;
    case 7:
        p[0] = QString::fromUtf8("The For...Next loop is used when it's required to execute a common Statement block a fixed number of times. There are several variations of this type of loop, but all carry out the same basic procedure of counting. In this example we have a sub program designed to control the switching ON or OFF of the segments on a single digit LED display.");
        p[1] = QString::fromUtf8("First the loop variable called 'Count' is established along with the upper and lower limits. In this example the lower value is zero and the maximum number of times around the loop is nine. These can be any values to enable a count up or a count down sequence.");
        p[2] = QString::fromUtf8("On the same line there is an optional step value. If you click on the Step Button you can make the counter increment every time or every other time around the loop.");
        p[3] = QString::fromUtf8("The last line in the loop is a 'Decision'. Has the loop yet reached the maximum count? If NO it loops back to the FOR...Next line. If YES then the loop is exited and the program continues.");
        break;
    case 8:
        p[0] = QString::fromUtf8("The Do...Loop is a program routine to execute a block of statements an indefinite number of times. There are several variations of the Do...Loop routine, but each evaluates a numeric condition to determine whether to continue execution. The same as with If...Then statement, the condition must be a value or expression that evaluates to False (zero) or to True (nonzero).");
        p[1] = QString::fromUtf8("When it comes to performing an operation repeatedly over a long time, then the computer is the 'King' or Queen! It never tires or requires a tea break. It just goes on and on without complaint. The Do... Loop is the programming method most often used.");
        p[2] = QString::fromUtf8("The Do...Loop is nothing more than a simple GoTo statement which loops back to some previous code line. A Boolean function to test if the required conditions have been met is included within the loop.");
        p[3] = QString::fromUtf8("In this example you will see that no matter the LED lit position. Re-starting the program always begins at the same position.");
        break;
    case 9:
        p[0] = QString::fromUtf8("You can simplify programming tasks by breaking programs into smaller logical components. These components - called procedures - can then become building blocks that make up the complete program. Procedures are useful for condensing repeated or shared tasks, such as frequently used calculations or printed text.");
        p[1] = QString::fromUtf8("There are two major benefits of programming with procedures. Procedures allow you to break your programs into discrete logical units, each of which you can debug more easily than an entire program without procedures. Procedures used in one program can act as building blocks for other programs, usually with little or no modification.");
        p[2] = QString::fromUtf8("There are two main types of procedure. 'Sub' procedure does not return a value and the 'Function' procedure, which does return a value. A Sub procedure is a block of code that is executed in response to an event. By breaking the code in a module into Sub procedures, it becomes much easier to find or modify the code in your application. Each time the procedure is called, the statements between Sub and End Sub or Function and End Function are executed.");
        p[3] = QString::fromUtf8("A Function procedure can also take arguments, perform a series of statements, and change the value of those arguments. Unlike a Sub procedure, a Function procedure can return a value to the calling procedure.");
        break;
    default: p = {}; break;
    }
}

}  // namespace orr
