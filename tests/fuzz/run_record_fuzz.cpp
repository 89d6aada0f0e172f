// The run record: a record read, written again, reads back as the same run; a run as the machine keeps it
// does too; and at a start a record is entered into the list once, however often a killed quit leaves it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "fuzz_rig.h"
#include "records/recovery.h"

namespace {

using fw::fuzz::Broken;
using fw::fuzz::SameRow;

void WrittenReadsBack(const fw::RunRecord& run) {
    const auto again = fw::ParseRunRecord(fw::RunRecordText(run, run, run.Suspended));
    if (!again || !SameRow(*again, run) || static_cast<const fw::RunState&>(*again) != run ||
        again->Suspended != run.Suspended)
        Broken("the record written reads back as another run");
}

// A run as the machine keeps it, made of the bytes.
fw::RunRecord RunOf(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    fw::RunRecord run;
    run.Credits = in.ConsumeIntegralInRange<fw::Integer>(0, fw::kMaxCredits);
    run.Suspended = in.ConsumeBool();
    if (in.ConsumeBool()) {
        run.Reels.emplace();
        for (fw::Integer& p : *run.Reels)
            p = in.ConsumeIntegralInRange<fw::Integer>(0, fw::kReelPositions - 1);
    }
    for (auto&& holdable : run.Holdable) holdable = in.ConsumeBool();
    run.Score = in.ConsumeIntegral<fw::Integer>();
    run.ETime = in.ConsumeIntegralInRange<fw::Long>(0, std::numeric_limits<fw::Long>::max());
    run.Played = in.ConsumeIntegralInRange<fw::Integer>(0, fw::kIntegerMax);
    run.Wun = in.ConsumeIntegralInRange<fw::Integer>(0, fw::kIntegerMax);
    for (fw::Integer& s : run.Stat) s = in.ConsumeIntegralInRange<fw::Integer>(0, fw::kIntegerMax);
    run.Name = fw::CleanName(in.ConsumeRemainingBytesAsString());
    return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string record(reinterpret_cast<const char*>(data), size);
    const auto run = fw::ParseRunRecord(record);
    if (run) WrittenReadsBack(*run);
    WrittenReadsBack(RunOf(data, size));

    fw::fuzz::RecordsRig first({{fw::kRunRecordItem, record}});
    first.Load();
    fw::RecoverLastRun(first.m, first.notes);
    auto& items = first.bytes->items;
    if (run && run->Suspended) {
        // A suspended run resumes: the list stays as it was, the record until the run changes.
        if (items[fw::kRunRecordItem] != record) Broken("a suspended run's record went at the start");
        return 0;
    }
    if (items.contains(fw::kRunRecordItem)) Broken("the record stays after the start");
    if (!run) {
        if (items["Fruitwhirl-damaged-" + first.store->stamp() + ".recovery"] != record)
            Broken("an unreadable record was not kept aside as it was");
        return 0;
    }
    // The quit after it saved the list and was killed before it removed the record.
    items[fw::kRunRecordItem] = record;
    fw::fuzz::RecordsRig second(items);
    second.Load();
    if (!fw::fuzz::SameList(first.m, second.m)) Broken("the list saved at the start reads back otherwise");
    fw::RecoverLastRun(second.m, second.notes);
    if (!fw::fuzz::SameList(first.m, second.m)) Broken("a run recovered before was entered again");
    if (second.bytes->items.contains(fw::kRunRecordItem)) Broken("the record stays after the second start");
    return 0;
}
