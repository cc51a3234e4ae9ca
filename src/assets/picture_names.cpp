// What each picture shows, in words for a screen reader. Generated from
// tools/pictures/pictures.txt by tools/pictures/make_picture_names.py: edit those.
#include "assets/catalogue.h"

#include <iterator>

#include "assets/translatable.h"

namespace pv {

namespace {

// clang-format off
constexpr const char* kPictureNames[] = {
    PV_TEXT("Pictures", "ant"),  // 500
    PV_TEXT("Pictures", "baby chick"),  // 501
    PV_TEXT("Pictures", "bear"),  // 502
    PV_TEXT("Pictures", "beaver"),  // 503
    PV_TEXT("Pictures", "beetle"),  // 504
    PV_TEXT("Pictures", "bird"),  // 505
    PV_TEXT("Pictures", "blowfish"),  // 506
    PV_TEXT("Pictures", "bug"),  // 507
    PV_TEXT("Pictures", "camel"),  // 508
    PV_TEXT("Pictures", "cat face"),  // 509
    PV_TEXT("Pictures", "chipmunk"),  // 510
    PV_TEXT("Pictures", "cow face"),  // 511
    PV_TEXT("Pictures", "crocodile"),  // 512
    PV_TEXT("Pictures", "deer"),  // 513
    PV_TEXT("Pictures", "dog face"),  // 514
    PV_TEXT("Pictures", "dolphin"),  // 515
    PV_TEXT("Pictures", "donkey"),  // 516
    PV_TEXT("Pictures", "dove"),  // 517
    PV_TEXT("Pictures", "dragon"),  // 518
    PV_TEXT("Pictures", "duck"),  // 519
    PV_TEXT("Pictures", "eagle"),  // 520
    PV_TEXT("Pictures", "elephant"),  // 521
    PV_TEXT("Pictures", "sheep"),  // 522
    PV_TEXT("Pictures", "fish"),  // 523
    PV_TEXT("Pictures", "flamingo"),  // 524
    PV_TEXT("Pictures", "fox"),  // 525
    PV_TEXT("Pictures", "frog"),  // 526
    PV_TEXT("Pictures", "goat"),  // 527
    PV_TEXT("Pictures", "gorilla"),  // 528
    PV_TEXT("Pictures", "hamster"),  // 529
    PV_TEXT("Pictures", "hatching chick"),  // 530
    PV_TEXT("Pictures", "hedgehog"),  // 531
    PV_TEXT("Pictures", "hippopotamus"),  // 532
    PV_TEXT("Pictures", "honeybee"),  // 533
    PV_TEXT("Pictures", "horse"),  // 534
    PV_TEXT("Pictures", "jellyfish"),  // 535
    PV_TEXT("Pictures", "kangaroo"),  // 536
    PV_TEXT("Pictures", "lion"),  // 537
    PV_TEXT("Pictures", "llama"),  // 538
    PV_TEXT("Pictures", "monkey"),  // 539
    PV_TEXT("Pictures", "moose"),  // 540
    PV_TEXT("Pictures", "mouse face"),  // 541
    PV_TEXT("Pictures", "nest with eggs"),  // 542
    PV_TEXT("Pictures", "octopus"),  // 543
    PV_TEXT("Pictures", "otter"),  // 544
    PV_TEXT("Pictures", "owl"),  // 545
    PV_TEXT("Pictures", "ox"),  // 546
    PV_TEXT("Pictures", "parrot"),  // 547
    PV_TEXT("Pictures", "polar bear"),  // 548
    PV_TEXT("Pictures", "peacock"),  // 549
    PV_TEXT("Pictures", "pig face"),  // 550
    PV_TEXT("Pictures", "rabbit face"),  // 551
    PV_TEXT("Pictures", "raccoon"),  // 552
    PV_TEXT("Pictures", "rhinoceros"),  // 553
    PV_TEXT("Pictures", "rooster"),  // 554
    PV_TEXT("Pictures", "long-necked dinosaur"),  // 555
    PV_TEXT("Pictures", "seal"),  // 556
    PV_TEXT("Pictures", "shark"),  // 557
    PV_TEXT("Pictures", "skunk"),  // 558
    PV_TEXT("Pictures", "sloth"),  // 559
    PV_TEXT("Pictures", "snail"),  // 560
    PV_TEXT("Pictures", "snake"),  // 561
    PV_TEXT("Pictures", "spouting whale"),  // 562
    PV_TEXT("Pictures", "swan"),  // 563
    PV_TEXT("Pictures", "T. rex"),  // 564
    PV_TEXT("Pictures", "tiger face"),  // 565
    PV_TEXT("Pictures", "turkey"),  // 566
    PV_TEXT("Pictures", "turtle"),  // 567
    PV_TEXT("Pictures", "unicorn"),  // 568
    PV_TEXT("Pictures", "worm"),  // 569
    PV_TEXT("Pictures", "zebra"),  // 570
    PV_TEXT("Pictures", "crab"),  // 571
    PV_TEXT("Pictures", "blossom"),  // 572
    PV_TEXT("Pictures", "bouquet"),  // 573
    PV_TEXT("Pictures", "deciduous tree"),  // 574
    PV_TEXT("Pictures", "evergreen tree"),  // 575
    PV_TEXT("Pictures", "feather"),  // 576
    PV_TEXT("Pictures", "four leaf clover"),  // 577
    PV_TEXT("Pictures", "hibiscus"),  // 578
    PV_TEXT("Pictures", "maple leaf"),  // 579
    PV_TEXT("Pictures", "palm tree"),  // 580
    PV_TEXT("Pictures", "potted plant"),  // 581
    PV_TEXT("Pictures", "seedling"),  // 582
    PV_TEXT("Pictures", "baby bottle"),  // 583
    PV_TEXT("Pictures", "bell pepper"),  // 584
    PV_TEXT("Pictures", "juice box"),  // 585
    PV_TEXT("Pictures", "bread"),  // 586
    PV_TEXT("Pictures", "candy"),  // 587
    PV_TEXT("Pictures", "cheese wedge"),  // 588
    PV_TEXT("Pictures", "chocolate bar"),  // 589
    PV_TEXT("Pictures", "cucumber"),  // 590
    PV_TEXT("Pictures", "ear of corn"),  // 591
    PV_TEXT("Pictures", "egg"),  // 592
    PV_TEXT("Pictures", "eggplant"),  // 593
    PV_TEXT("Pictures", "french fries"),  // 594
    PV_TEXT("Pictures", "glass of milk"),  // 595
    PV_TEXT("Pictures", "green salad"),  // 596
    PV_TEXT("Pictures", "honey pot"),  // 597
    PV_TEXT("Pictures", "hot drink"),  // 598
    PV_TEXT("Pictures", "hot dog"),  // 599
    PV_TEXT("Pictures", "hot pepper"),  // 600
    PV_TEXT("Pictures", "lollipop"),  // 601
    PV_TEXT("Pictures", "onion"),  // 602
    PV_TEXT("Pictures", "pancakes"),  // 603
    PV_TEXT("Pictures", "pea pod"),  // 604
    PV_TEXT("Pictures", "popcorn"),  // 605
    PV_TEXT("Pictures", "pretzel"),  // 606
    PV_TEXT("Pictures", "sandwich"),  // 607
    PV_TEXT("Pictures", "shaved ice"),  // 608
    PV_TEXT("Pictures", "shortcake"),  // 609
    PV_TEXT("Pictures", "soft ice cream"),  // 610
    PV_TEXT("Pictures", "spaghetti"),  // 611
    PV_TEXT("Pictures", "taco"),  // 612
    PV_TEXT("Pictures", "teapot"),  // 613
    PV_TEXT("Pictures", "waffle"),  // 614
    PV_TEXT("Pictures", "american football"),  // 615
    PV_TEXT("Pictures", "artist palette"),  // 616
    PV_TEXT("Pictures", "badminton"),  // 617
    PV_TEXT("Pictures", "baseball"),  // 618
    PV_TEXT("Pictures", "bowling"),  // 619
    PV_TEXT("Pictures", "flying disc"),  // 620
    PV_TEXT("Pictures", "ice hockey"),  // 621
    PV_TEXT("Pictures", "ice skate"),  // 622
    PV_TEXT("Pictures", "magic wand"),  // 623
    PV_TEXT("Pictures", "nesting dolls"),  // 624
    PV_TEXT("Pictures", "party popper"),  // 625
    PV_TEXT("Pictures", "piñata"),  // 626
    PV_TEXT("Pictures", "ping pong"),  // 627
    PV_TEXT("Pictures", "puzzle piece"),  // 628
    PV_TEXT("Pictures", "ribbon"),  // 629
    PV_TEXT("Pictures", "sled"),  // 630
    PV_TEXT("Pictures", "skis"),  // 631
    PV_TEXT("Pictures", "tennis"),  // 632
    PV_TEXT("Pictures", "video game"),  // 633
    PV_TEXT("Pictures", "volleyball"),  // 634
    PV_TEXT("Pictures", "yarn"),  // 635
    PV_TEXT("Pictures", "yo-yo"),  // 636
    PV_TEXT("Pictures", "fireworks"),  // 637
    PV_TEXT("Pictures", "airplane"),  // 638
    PV_TEXT("Pictures", "ambulance"),  // 639
    PV_TEXT("Pictures", "anchor"),  // 640
    PV_TEXT("Pictures", "automobile"),  // 641
    PV_TEXT("Pictures", "bicycle"),  // 642
    PV_TEXT("Pictures", "bullet train"),  // 643
    PV_TEXT("Pictures", "bus"),  // 644
    PV_TEXT("Pictures", "carousel horse"),  // 645
    PV_TEXT("Pictures", "castle"),  // 646
    PV_TEXT("Pictures", "circus tent"),  // 647
    PV_TEXT("Pictures", "cloud"),  // 648
    PV_TEXT("Pictures", "cloud with rain"),  // 649
    PV_TEXT("Pictures", "crescent moon"),  // 650
    PV_TEXT("Pictures", "delivery truck"),  // 651
    PV_TEXT("Pictures", "desert island"),  // 652
    PV_TEXT("Pictures", "droplet"),  // 653
    PV_TEXT("Pictures", "ferris wheel"),  // 654
    PV_TEXT("Pictures", "fire engine"),  // 655
    PV_TEXT("Pictures", "flying saucer"),  // 656
    PV_TEXT("Pictures", "full moon face"),  // 657
    PV_TEXT("Pictures", "globe"),  // 658
    PV_TEXT("Pictures", "star"),  // 659
    PV_TEXT("Pictures", "helicopter"),  // 660
    PV_TEXT("Pictures", "house"),  // 661
    PV_TEXT("Pictures", "hut"),  // 662
    PV_TEXT("Pictures", "kick scooter"),  // 663
    PV_TEXT("Pictures", "locomotive"),  // 664
    PV_TEXT("Pictures", "luggage"),  // 665
    PV_TEXT("Pictures", "motor boat"),  // 666
    PV_TEXT("Pictures", "canoe"),  // 667
    PV_TEXT("Pictures", "motor scooter"),  // 668
    PV_TEXT("Pictures", "motorcycle"),  // 669
    PV_TEXT("Pictures", "snow capped mountain"),  // 670
    PV_TEXT("Pictures", "parachute"),  // 671
    PV_TEXT("Pictures", "ship"),  // 672
    PV_TEXT("Pictures", "playground slide"),  // 673
    PV_TEXT("Pictures", "life ring"),  // 674
    PV_TEXT("Pictures", "police car"),  // 675
    PV_TEXT("Pictures", "racing car"),  // 676
    PV_TEXT("Pictures", "ringed planet"),  // 677
    PV_TEXT("Pictures", "rocket"),  // 678
    PV_TEXT("Pictures", "roller coaster"),  // 679
    PV_TEXT("Pictures", "roller skate"),  // 680
    PV_TEXT("Pictures", "sailboat"),  // 681
    PV_TEXT("Pictures", "school"),  // 682
    PV_TEXT("Pictures", "skateboard"),  // 683
    PV_TEXT("Pictures", "snowflake"),  // 684
    PV_TEXT("Pictures", "snowman"),  // 685
    PV_TEXT("Pictures", "sun"),  // 686
    PV_TEXT("Pictures", "sun behind cloud"),  // 687
    PV_TEXT("Pictures", "taxi"),  // 688
    PV_TEXT("Pictures", "tent"),  // 689
    PV_TEXT("Pictures", "tractor"),  // 690
    PV_TEXT("Pictures", "umbrella in the rain"),  // 691
    PV_TEXT("Pictures", "beach umbrella"),  // 692
    PV_TEXT("Pictures", "volcano"),  // 693
    PV_TEXT("Pictures", "water wave"),  // 694
    PV_TEXT("Pictures", "abacus"),  // 695
    PV_TEXT("Pictures", "accordion"),  // 696
    PV_TEXT("Pictures", "backpack"),  // 697
    PV_TEXT("Pictures", "ballet shoes"),  // 698
    PV_TEXT("Pictures", "basket"),  // 699
    PV_TEXT("Pictures", "bed"),  // 700
    PV_TEXT("Pictures", "bell"),  // 701
    PV_TEXT("Pictures", "cap"),  // 702
    PV_TEXT("Pictures", "books"),  // 703
    PV_TEXT("Pictures", "boomerang"),  // 704
    PV_TEXT("Pictures", "broom"),  // 705
    PV_TEXT("Pictures", "bubbles"),  // 706
    PV_TEXT("Pictures", "bucket"),  // 707
    PV_TEXT("Pictures", "camera"),  // 708
    PV_TEXT("Pictures", "candle"),  // 709
    PV_TEXT("Pictures", "chair"),  // 710
    PV_TEXT("Pictures", "crayon"),  // 711
    PV_TEXT("Pictures", "crown"),  // 712
    PV_TEXT("Pictures", "door"),  // 713
    PV_TEXT("Pictures", "dress"),  // 714
    PV_TEXT("Pictures", "drum"),  // 715
    PV_TEXT("Pictures", "flashlight"),  // 716
    PV_TEXT("Pictures", "flute"),  // 717
    PV_TEXT("Pictures", "gem stone"),  // 718
    PV_TEXT("Pictures", "glasses"),  // 719
    PV_TEXT("Pictures", "gloves"),  // 720
    PV_TEXT("Pictures", "goggles"),  // 721
    PV_TEXT("Pictures", "graduation cap"),  // 722
    PV_TEXT("Pictures", "guitar"),  // 723
    PV_TEXT("Pictures", "hammer"),  // 724
    PV_TEXT("Pictures", "headphones"),  // 725
    PV_TEXT("Pictures", "hiking boot"),  // 726
    PV_TEXT("Pictures", "key"),  // 727
    PV_TEXT("Pictures", "ladder"),  // 728
    PV_TEXT("Pictures", "laptop"),  // 729
    PV_TEXT("Pictures", "light bulb"),  // 730
    PV_TEXT("Pictures", "magnet"),  // 731
    PV_TEXT("Pictures", "magnifying glass"),  // 732
    PV_TEXT("Pictures", "maracas"),  // 733
    PV_TEXT("Pictures", "microphone"),  // 734
    PV_TEXT("Pictures", "microscope"),  // 735
    PV_TEXT("Pictures", "mobile phone"),  // 736
    PV_TEXT("Pictures", "musical keyboard"),  // 737
    PV_TEXT("Pictures", "open book"),  // 738
    PV_TEXT("Pictures", "package"),  // 739
    PV_TEXT("Pictures", "paintbrush"),  // 740
    PV_TEXT("Pictures", "pencil"),  // 741
    PV_TEXT("Pictures", "postbox"),  // 742
    PV_TEXT("Pictures", "purse"),  // 743
    PV_TEXT("Pictures", "radio"),  // 744
    PV_TEXT("Pictures", "ring"),  // 745
    PV_TEXT("Pictures", "running shoe"),  // 746
    PV_TEXT("Pictures", "saxophone"),  // 747
    PV_TEXT("Pictures", "scarf"),  // 748
    PV_TEXT("Pictures", "scissors"),  // 749
    PV_TEXT("Pictures", "shopping cart"),  // 750
    PV_TEXT("Pictures", "shorts"),  // 751
    PV_TEXT("Pictures", "socks"),  // 752
    PV_TEXT("Pictures", "straight ruler"),  // 753
    PV_TEXT("Pictures", "sunglasses"),  // 754
    PV_TEXT("Pictures", "t shirt"),  // 755
    PV_TEXT("Pictures", "telephone"),  // 756
    PV_TEXT("Pictures", "telescope"),  // 757
    PV_TEXT("Pictures", "television"),  // 758
    PV_TEXT("Pictures", "toolbox"),  // 759
    PV_TEXT("Pictures", "toothbrush"),  // 760
    PV_TEXT("Pictures", "top hat"),  // 761
    PV_TEXT("Pictures", "trumpet"),  // 762
    PV_TEXT("Pictures", "violin"),  // 763
    PV_TEXT("Pictures", "woman's hat"),  // 764
    PV_TEXT("Pictures", "baby"),  // 765
    PV_TEXT("Pictures", "boy"),  // 766
    PV_TEXT("Pictures", "girl"),  // 767
    PV_TEXT("Pictures", "old woman"),  // 768
    PV_TEXT("Pictures", "artist"),  // 769
    PV_TEXT("Pictures", "astronaut"),  // 770
    PV_TEXT("Pictures", "cook"),  // 771
    PV_TEXT("Pictures", "farmer"),  // 772
    PV_TEXT("Pictures", "firefighter"),  // 773
    PV_TEXT("Pictures", "person biking"),  // 774
    PV_TEXT("Pictures", "person juggling"),  // 775
    PV_TEXT("Pictures", "wizard"),  // 776
    PV_TEXT("Pictures", "merperson"),  // 777
    PV_TEXT("Pictures", "person rowing a boat"),  // 778
    PV_TEXT("Pictures", "person surfing"),  // 779
    PV_TEXT("Pictures", "person swimming"),  // 780
    PV_TEXT("Pictures", "pilot"),  // 781
    PV_TEXT("Pictures", "police officer"),  // 782
    PV_TEXT("Pictures", "prince"),  // 783
    PV_TEXT("Pictures", "princess"),  // 784
    PV_TEXT("Pictures", "scientist"),  // 785
    PV_TEXT("Pictures", "skier"),  // 786
    PV_TEXT("Pictures", "snowboarder"),  // 787
    PV_TEXT("Pictures", "student"),  // 788
    PV_TEXT("Pictures", "teacher"),  // 789
    PV_TEXT("Pictures", "person in bed"),  // 790
    PV_TEXT("Pictures", "superhero"),  // 791
    PV_TEXT("Pictures", "woman dancing"),  // 792
    PV_TEXT("Pictures", "waving hand"),  // 793
    PV_TEXT("Pictures", "construction worker"),  // 794
    PV_TEXT("Pictures", "clapping hands"),  // 795
    PV_TEXT("Pictures", "tooth"),  // 796
    PV_TEXT("Pictures", "robot"),  // 797
    PV_TEXT("Pictures", "alien"),  // 798
    PV_TEXT("Pictures", "partying face"),  // 799
    PV_TEXT("Pictures", "cowboy face"),  // 800
    PV_TEXT("Pictures", "red apple"),  // 801
    PV_TEXT("Pictures", "strawberry"),  // 802
    PV_TEXT("Pictures", "cherries"),  // 803
    PV_TEXT("Pictures", "banana"),  // 804
    PV_TEXT("Pictures", "grapes"),  // 805
    PV_TEXT("Pictures", "peach"),  // 806
    PV_TEXT("Pictures", "pear"),  // 807
    PV_TEXT("Pictures", "watermelon"),  // 808
    PV_TEXT("Pictures", "pineapple"),  // 809
    PV_TEXT("Pictures", "lemon"),  // 810
    PV_TEXT("Pictures", "tangerine"),  // 811
    PV_TEXT("Pictures", "kiwi fruit"),  // 812
    PV_TEXT("Pictures", "coconut"),  // 813
    PV_TEXT("Pictures", "carrot"),  // 814
    PV_TEXT("Pictures", "broccoli"),  // 815
    PV_TEXT("Pictures", "avocado"),  // 816
    PV_TEXT("Pictures", "doughnut"),  // 817
    PV_TEXT("Pictures", "cupcake"),  // 818
    PV_TEXT("Pictures", "cookie"),  // 819
    PV_TEXT("Pictures", "birthday cake"),  // 820
    PV_TEXT("Pictures", "pizza"),  // 821
    PV_TEXT("Pictures", "hamburger"),  // 822
    PV_TEXT("Pictures", "croissant"),  // 823
    PV_TEXT("Pictures", "sunflower"),  // 824
    PV_TEXT("Pictures", "rose"),  // 825
    PV_TEXT("Pictures", "tulip"),  // 826
    PV_TEXT("Pictures", "mushroom"),  // 827
    PV_TEXT("Pictures", "cactus"),  // 828
    PV_TEXT("Pictures", "cherry blossom"),  // 829
    PV_TEXT("Pictures", "panda"),  // 830
    PV_TEXT("Pictures", "koala"),  // 831
    PV_TEXT("Pictures", "ladybird"),  // 832
    PV_TEXT("Pictures", "butterfly"),  // 833
    PV_TEXT("Pictures", "penguin"),  // 834
    PV_TEXT("Pictures", "tropical fish"),  // 835
    PV_TEXT("Pictures", "soccer ball"),  // 836
    PV_TEXT("Pictures", "basketball"),  // 837
    PV_TEXT("Pictures", "balloon"),  // 838
    PV_TEXT("Pictures", "teddy bear"),  // 839
    PV_TEXT("Pictures", "wrapped gift"),  // 840
    PV_TEXT("Pictures", "rainbow"),  // 841
    PV_TEXT("Pictures", "kite"),  // 842
    PV_TEXT("Pictures", "trophy"),  // 843
};
// clang-format on
static_assert(std::size(kPictureNames) == kAllPictures);

}  // namespace

const char* PictureName(ResourceId id) {
    if (id < kFirstPicture || id >= kFirstPicture + kAllPictures) return "";
    return kPictureNames[id - kFirstPicture];
}

}  // namespace pv
