#include "station/console/RecordDerivedValues.h"

#include "station/values/DerivedValues.h"
#include "station/values/UnitConversions.h"
#include "station/values/ValueText.h"

#include <cmath>

void DeriveRelativePressure(CWeatherRecord& record, float factor,
                            const CWeatherSettings& settings) {
    if (IsNoValueText(record.absPres)) {
        record.relPres.clear();
        return;
    }
    record.relPres = PrintFloat(RelativePressure(ReadScaled(record.absPres, factor),
                                                 ReadScaled(settings.absPres, factor),
                                                 ReadScaled(settings.relPres, factor)));
}

void DeriveDewPoint(CWeatherRecord& record, float factor) {
    if (IsNoValueText(record.outTemp) || IsMissingText(record.outHumi) ||
        ReadInt(record.outHumi) == kNoHumidityNumber) {
        record.dewPoint.clear();
        return;
    }
    const float dewPoint = DewPoint(ReadScaled(record.outTemp, factor), ReadFloat(record.outHumi));
    record.dewPoint = std::isfinite(dewPoint) ? PrintFloat(dewPoint) : kNoValueText;
}

void DeriveWindChill(CWeatherRecord& record, float factor) {
    if (IsNoValueText(record.outTemp)) {
        record.windChill.clear();
        return;
    }
    record.windChill =
        PrintFloat(WindChill(ReadScaled(record.outTemp, factor), ReadScaled(record.winds, factor)));
}

void DeriveRainMm(CWeatherRecord& record) {
    if (IsNoValueText(record.rain)) {
        record.rain.clear();
        record.rainMm.clear();
        return;
    }
    record.rainMm = PrintDecimals(RainCountToMm(ReadFloat(record.rain)), 1);
}
