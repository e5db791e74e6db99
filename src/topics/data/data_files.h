// DataFiles: file organisation and error detection — fixed-length records,
// sequential search, index-sequential access, hashing, buckets, check
// digits, parity and a simplified cyclic redundancy check.
#pragma once

#include <QSpinBox>
#include <QTimer>
#include <array>
#include <vector>

#include "topics/data/files_model.h"
#include "topics/framework/topic_form.h"

namespace orr {

class DataFiles : public TopicForm {
    Q_OBJECT
public:
    DataFiles();

    QTimer* Timer2 = nullptr;
    QSpinBox* UpDown1 = nullptr;
    Label* Label1 = nullptr;

    float indexKey = 452;
    float bucketFirstKey = 100, firstBucket = 125, perBucket = 12, bucketKey = 1234;
    float operatorEntry = 55443320;
    int64_t customerNumber = 0;
    bool customerDrawn = false;
    float dataByte = 10011011;
    int errorBit = 4;
    int parityMode = 0;
    bool errorFlag = false;
    int packetAddress = 1234;
    int coefficient = 4;
    int searchPosition = -1;
    bool duplicateFlag = false;
    struct Vehicle {
        int64_t key;
        QString type, reg;
    };
    std::vector<Vehicle> vehicles;

    void results() override;
    void Trigger_Click(int index) override;
    void Timer2_Timer();
    void UpDown1_Change();

protected:
    void setDefaults() override;
    void setToolbarFlags(SuiteState::ToolbarFlags& f) override;
    void configureExample(int e) override;
    void drawExample(int e) override;
    void theoryParagraphs(int e, std::array<QString, 4>& p) override;
    QString quantityTypeFor(int e, int index) const override;
    void takeValue(int e, int index, double value) override;

private:
    void drawRecord();
    void drawSequential();
    void drawIndexSequential();
    void drawHashing();
    void drawBucket();
    void drawCheckDigits();
    void drawParity();
    void drawCrc();
};

QString dataFilesCaption(int e);
void dataFilesTheory(int e, std::array<QString, 4>& p);

}  // namespace orr
