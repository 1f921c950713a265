// DecodedSentence: the one record that every sentence parser fills. The header says
// which sentence it holds; each formatter writes only its own field record, so readers
// look only at the record of the formatter named in the header.
#pragma once

#include "nmea/EquipmentFields.h"
#include "nmea/NavigationFields.h"
#include "nmea/ProprietaryFields.h"

struct DecodedSentence {
    // Header, filled before the parser runs.
    char Start;              // '$' or '!'
    char Talker[3];          // two characters, or "P" for a proprietary sentence
    char Formatter[4];       // three characters, the maker's code or sentence name, or "Q"
    char ProprietarySubtype; // the letter after the maker's code, else 0
    // Number of data fields of the accepted sentence; picks the layout of RMC and GSV.
    uint8_t DataFieldCount;

    GgaFields Gga;
    GllFields Gll;
    GsaFields Gsa;
    GsvFields Gsv;
    RmcFields Rmc;
    VtgFields Vtg;
    ZdaFields Zda;
    GbsFields Gbs;
    GnsFields Gns;
    VbwFields Vbw;
    RotFields Rot;
    HdtFields Hdt;
    GrsFields Grs;
    GstFields Gst;
    DtmFields Dtm;
    OsdFields Osd;
    RmaFields Rma;
    WplFields Wpl;

    EncapsulationFields Encapsulation;
    AbkFields Abk;
    AcaFields Aca;
    AckFields Ack;
    AcsFields Acs;
    AiqFields Aiq;
    AlrFields Alr;
    SsdFields Ssd;
    TxtFields Txt;
    VsdFields Vsd;
    QueryFields Query;

    MidFields Mid;
    BdyFields Bdy;
    TstFields Tst;
    FrqFields Frq;
    BthFields Bth;
    DbgFields Dbg;
    TpsFields Tps;
    SmgFields Smg;
    MobFields Mob;
};
