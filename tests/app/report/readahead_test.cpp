#include "app/report/readahead.h"

#include "support/failingdevice.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <new>
#include <random>
#include <string>
#include <thread>

namespace tallywick {
namespace {

std::string RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    return bytes;
}

// Takes every block; each must stay as it was handed out until the next is asked for, however
// far the reading thread has got meanwhile.
std::string TakeAll(ReadAhead& reading)
{
    std::string all;
    for (std::string_view block = reading.next().bytes; !block.empty(); block = reading.next().bytes) {
        const std::string copy(block);
        for (int i = 0; i < 20; ++i)
            std::this_thread::yield();
        EXPECT_EQ(block, copy);
        all += block;
    }
    return all;
}

TEST(ReadAhead, HandsOutEveryByteInOrderWhateverTheBlockAndHowFarAhead)
{
    for (const std::size_t size : {0, 1, 7, 8, 9, 64, 2000}) {
        const std::string bytes = RandomBytes(size, static_cast<unsigned>(size));
        for (const std::size_t blockSize : {1, 7, 8, 512}) {
            for (const std::size_t ahead : {1, 2, 3}) {
                QByteArray data = QByteArray::fromStdString(bytes);
                QBuffer device(&data);
                ASSERT_TRUE(device.open(QIODevice::ReadOnly));
                std::string seen; // on the reading thread, until the end is handed out
                DeviceSource source(device);
                ReadAhead reading(source, blockSize, ahead, [&](std::string_view block) { seen += block; });
                EXPECT_EQ(TakeAll(reading), bytes) << size << " bytes, blocks of " << blockSize << ", " << ahead;
                EXPECT_FALSE(reading.error());
                EXPECT_TRUE(reading.next().bytes.empty()); // and stays at the end
                EXPECT_EQ(seen, bytes);
            }
        }
    }
}

// Each block comes with the hits of the whole lines a search takes in place from it, found on the
// reading thread.
TEST(ReadAhead, FindsTheLinesOfEachBlockAheadWhenAsked)
{
    std::string lines;
    for (int i = 0; i < 40; ++i)
        lines += "203.0.113." + std::to_string(i) + " - - [05/Dec/2004:10:15:42 -0800] \"GET /" +
                 (i % 3 == 0 ? "hit" : "miss") + " HTTP/1.1\" 200 1\n";
    QByteArray data = QByteArray::fromStdString(lines);
    QBuffer device(&data);
    ASSERT_TRUE(device.open(QIODevice::ReadOnly));
    DeviceSource source(device);
    PieceFinder finder({"GET /hit", "nowhere"}, BestSimdLevel());
    ReadAhead reading(source, 500, 2, {}, ReportSearch::FindingAhead{finder, {}});
    char before = '\n';
    int hits = 0;
    for (auto block = reading.next(); !block.bytes.empty(); block = reading.next()) {
        ASSERT_TRUE(block.found);
        const auto run = LineAssembler::RunInPlace(block.bytes, before);
        EXPECT_EQ(block.found->run.data(), run.data());
        EXPECT_EQ(block.found->run.size(), run.size());
        for (std::size_t i = 0; i < block.found->found; ++i)
            hits += static_cast<int>(block.found->pieces[i].hits.size());
        before = block.bytes.back();
    }
    EXPECT_GT(hits, 0);
}

TEST(ReadAhead, AFailureComesAfterTheBytesReadBeforeIt)
{
    const std::string bytes = RandomBytes(5000, 1);
    FailingDevice device(bytes);
    DeviceSource source(device);
    ReadAhead reading(source, 512, 2);
    EXPECT_EQ(TakeAll(reading), bytes);
    EXPECT_EQ(reading.error(), QStringLiteral("Input/output error"));
}

// Out of memory while the days are noted on the reading thread: the search is told.
TEST(ReadAhead, WhatTheBlocksWatcherThrowsComesAfterTheBlocksBeforeIt)
{
    const std::string bytes = RandomBytes(4096, 3);
    QByteArray data = QByteArray::fromStdString(bytes);
    QBuffer device(&data);
    ASSERT_TRUE(device.open(QIODevice::ReadOnly));
    int shown = 0;
    DeviceSource source(device);
    ReadAhead reading(source, 1024, 2, [&](std::string_view) {
        if (++shown == 3)
            throw std::bad_alloc();
    });
    EXPECT_EQ(reading.next().bytes, std::string_view(bytes).substr(0, 1024));
    EXPECT_EQ(reading.next().bytes, std::string_view(bytes).substr(1024, 1024));
    EXPECT_THROW(reading.next(), std::bad_alloc);
}

// A search stopped part-way: the reading thread, waiting for a free block, ends with it.
TEST(ReadAhead, ADeviceLeftPartReadEndsTheReadingThread)
{
    const std::string bytes = RandomBytes(1 << 20, 2);
    QByteArray data = QByteArray::fromStdString(bytes);
    QBuffer device(&data);
    ASSERT_TRUE(device.open(QIODevice::ReadOnly));
    {
        DeviceSource source(device);
        ReadAhead reading(source, 1024, 3);
        const auto first = reading.next();
        EXPECT_EQ(first.bytes, std::string_view(bytes).substr(0, 1024));
        EXPECT_EQ(first.fileRead, 1024);
    }
    EXPECT_LT(device.pos(), 8 * 1024); // no more than was read ahead
}

} // namespace
} // namespace tallywick
