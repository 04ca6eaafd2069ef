#pragma once
// A disk that fills up, for the save tests: while a FailingSaves lives, every safe save
// writes through a device that passes the first `budget` bytes on to the file and then
// refuses the rest.
#include <QFile>
#include <QIODevice>
#include <memory>

#include "SafeSave.h"

class FillingDevice : public QIODevice {
  public:
    FillingDevice(QFile& file, qint64 budget) : file_(file), budget_(budget) {
        open(QIODevice::WriteOnly);
    }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        const qint64 room = std::min(size, budget_);
        if (room <= 0)
            return -1;
        budget_ -= room;
        return file_.write(data, room);
    }

  private:
    QFile& file_;
    qint64 budget_;
};

class FailingSaves {
  public:
    explicit FailingSaves(qint64 budget) {
        platform::setSaveDeviceHook([budget](QFile& file) {
            return std::unique_ptr<QIODevice>(new FillingDevice(file, budget));
        });
    }
    ~FailingSaves() { platform::setSaveDeviceHook({}); }
    FailingSaves(const FailingSaves&) = delete;
    FailingSaves& operator=(const FailingSaves&) = delete;
};
