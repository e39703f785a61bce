#include "station/console/WeatherRecord.h"

#include "station/console/HistoryRing.h"
#include "station/values/AppendPrintf.h"
#include "station/values/ValueText.h"

namespace {

using Text = std::string CWeatherRecord::*;

// Every console value and every value derived from them: the texts Reset sets to "no value".
constexpr Text kValueTexts[] = {
    &CWeatherRecord::sampleCircle, &CWeatherRecord::indHumi,     &CWeatherRecord::indTemp,
    &CWeatherRecord::outHumi,      &CWeatherRecord::outTemp,     &CWeatherRecord::absPres,
    &CWeatherRecord::winds,        &CWeatherRecord::gust,        &CWeatherRecord::windDir,
    &CWeatherRecord::rain,         &CWeatherRecord::rainMm,      &CWeatherRecord::relPres,
    &CWeatherRecord::dewPoint,     &CWeatherRecord::windChill,   &CWeatherRecord::increment,
    &CWeatherRecord::hourRain,     &CWeatherRecord::dayRain,     &CWeatherRecord::weekRain,
    &CWeatherRecord::monthRain,    &CWeatherRecord::totalRain,   &CWeatherRecord::windsLevel,
    &CWeatherRecord::gustLevel,    &CWeatherRecord::windDirDesc, &CWeatherRecord::lightmeter,
    &CWeatherRecord::uv,
};

} // namespace

CWeatherRecord::CWeatherRecord() {
    Reset();
}

void CWeatherRecord::Reset() {
    recordNo = "0";
    saveTime.clear();
    recordTime.clear();
    for (const Text text : kValueTexts) {
        this->*text = kNoValueText;
    }
    for (const Text flag : kRecordFlags) {
        (this->*flag).clear();
    }
}

std::string CWeatherRecord::FormatDebugText() const {
    std::string out;
    out.reserve(1024);
    // "name: bytes->raw->text"; the raw value prints unsigned, as the log always showed it.
    const auto source = [&out](const char* name, const std::string& hex, int raw,
                               const std::string& text) {
        AppendPrintf(out, "%s: %s->%u->%s", name, hex.c_str(), static_cast<unsigned>(raw),
                     text.c_str());
    };
    // The console's history ring: end, start, record size and record count.
    AppendPrintf(out, "(MEM-SYS)/SIZE=SUM: (%06X-%04X)/%d=%d\r\n", kHistoryRingEnd,
                 kHistoryFirstSlot, kHistoryRecordSize, kHistorySlotCount);
    AppendPrintf(out, "stackAddr: %s hexAddr: %s\r\n", stackAddr.c_str(), hexAddr.c_str());
    AppendPrintf(out, "hexValue:%s\r\n", hexValue.c_str());
    source("sampleCircle", sampleCircleHex, sampleCircleRaw, sampleCircle);
    out += "\r\n";
    source("indHumi", indHumiHex, indHumiRaw, indHumi);
    out += "\r\n";
    source("indTemp", indTempHex, indTempRaw, indTemp);
    out += "\r\n";
    source("outHumi", outHumiHex, outHumiRaw, outHumi);
    out += "\r\n";
    source("outTemp", outTempHex, outTempRaw, outTemp);
    out += "\r\n";
    AppendPrintf(out, "dewPoint: %s, windChill:%s\r\n", dewPoint.c_str(), windChill.c_str());
    source("absPres", absPresHex, absPresRaw, absPres);
    AppendPrintf(out, ", relPres:%s\r\n", relPres.c_str());
    source("winds", windsHex, windsRaw, winds);
    AppendPrintf(out, ", windsLevel:%s\r\n", windsLevel.c_str());
    source("gust", gustHex, gustRaw, gust);
    AppendPrintf(out, ", gustLevel:%s\r\n", gustLevel.c_str());
    source("windDir", windDirHex, windDirRaw, windDir);
    AppendPrintf(out, ", windDirDesc:%s\r\n", windDirDesc.c_str());
    source("rain", rainHex, rainRaw, rain);
    AppendPrintf(out, ", rainMm:%s, increment:%s\r\n", rainMm.c_str(), increment.c_str());
    AppendPrintf(out, "hourRain:%s, dayRain:%s, weekRain:%s, monthRain:%s, totalRain:%s\r\n",
                 hourRain.c_str(), dayRain.c_str(), weekRain.c_str(), monthRain.c_str(),
                 totalRain.c_str());
    source("lightmeter", lightmeterHex, lightmeterRaw, lightmeter);
    out += "\r\n";
    source("uv", uvHex, uvRaw, uv);
    out += "\r\n";
    AppendPrintf(out, "flag_bin: %s(bit7=1:NoRF; bit8=1:totalrain>9999.9mm)\r\n", flag_bin.c_str());
    return out;
}
